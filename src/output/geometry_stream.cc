#include "output/geometry_stream.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>

#include "output/geometry_file.h"
#include "output/layout.h"

namespace percorso {
namespace {

// The bytes of one coordinate on their way to the file: encoded pieces are
// appended, and whenever the bytes held reach a multiple of the chunk size in
// the file, everything before that multiple goes to the sink. Writes that
// start and end on such multiples let the system keep the file in large
// pages, which costs far less than many small ones to write and to replace.
class ChunkedPart {
 public:
  ChunkedPart(uint64_t file_offset, size_t chunk, size_t piece_room)
      : buffer_(std::make_unique_for_overwrite<char[]>(chunk + piece_room)),
        room_(chunk + piece_room),
        chunk_(chunk),
        start_(file_offset) {}

  /// Where the next piece goes.
  std::span<char> Free() { return {buffer_.get() + held_, room_ - held_}; }

  /// Takes the `n` bytes just encoded into Free() and hands out the chunks
  /// they complete.
  bool Append(size_t n, const GeometrySink& sink, std::string* err) {
    held_ += n;
    const uint64_t end = start_ + held_;
    const uint64_t cut = end - end % chunk_;
    return cut <= start_ || HandOut(static_cast<size_t>(cut - start_), sink, err);
  }

  /// Hands out what is left.
  bool Finish(const GeometrySink& sink, std::string* err) {
    return held_ == 0 || HandOut(held_, sink, err);
  }

 private:
  bool HandOut(size_t n, const GeometrySink& sink, std::string* err) {
    if (!sink(start_, std::string_view(buffer_.get(), n), err)) return false;
    // What passed the cut is less than the last piece: moved to the front.
    std::memmove(buffer_.get(), buffer_.get() + n, held_ - n);
    held_ -= n;
    start_ += n;
    return true;
  }

  std::unique_ptr<char[]> buffer_;
  const size_t room_;
  const uint64_t chunk_;
  uint64_t start_;
  size_t held_ = 0;
};

}  // namespace

bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options) {
  const int64_t size = static_cast<int64_t>(t.per_coordinata());
  const int64_t metres = std::max<int64_t>(std::min(options.metres_per_piece, size), 1);
  const size_t chunk = std::max<size_t>(options.chunk_bytes, 1);
  // A piece takes at most this much of each coordinate's buffer; the buffers
  // are never filled with anything but the encoded bytes.
  const size_t piece_room = static_cast<size_t>(metres) * layout::EntrySize(Tag::kReale);
  const uint64_t half = GeometryHalfSize(t);
  ChunkedPart first(0, chunk, piece_room);
  ChunkedPart second(half, chunk, piece_room);
  TracciatoReader reader(t);
  while (reader.position() < reader.size()) {
    uint64_t n = 0;
    if (!EncodeMetres(reader, reader.position() + metres, first.Free(), second.Free(), &n, err) ||
        !first.Append(static_cast<size_t>(n), sink, err) ||
        !second.Append(static_cast<size_t>(n), sink, err)) {
      return false;
    }
  }
  return first.Finish(sink, err) && second.Finish(sink, err);
}

}  // namespace percorso
