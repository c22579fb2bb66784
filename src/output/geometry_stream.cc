#include "output/geometry_stream.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <span>
#include <thread>

#include "io/background.h"
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
  ChunkedPart(uint64_t file_offset, size_t chunk, std::span<char> buffer)
      : buffer_(buffer), chunk_(chunk), start_(file_offset) {}

  /// Where the next piece goes.
  std::span<char> Free() { return buffer_.subspan(held_); }

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
    if (!sink(start_, std::string_view(buffer_.data(), n), err)) return false;
    // What passed the cut is less than the last piece: moved to the front.
    std::memmove(buffer_.data(), buffer_.data() + n, held_ - n);
    held_ -= n;
    start_ += n;
    return true;
  }

  const std::span<char> buffer_;
  const uint64_t chunk_;
  uint64_t start_;
  size_t held_ = 0;
};

// The sizes of one stream.
struct Plan {
  int64_t metres = 0;  // metres a piece
  size_t chunk = 0;    // bytes of a chunk
  size_t piece = 0;    // the most bytes a piece takes of one coordinate
  uint64_t half = 0;   // bytes of each half of the file
};

// One thread: both coordinates encoded together and both halves handed out.
bool StreamBoth(const Tracciato& t, const Plan& plan, const GeometrySink& sink, std::string* err) {
  const size_t room = plan.chunk + plan.piece;
  std::unique_ptr<char[]> first_memory = std::make_unique_for_overwrite<char[]>(room);
  std::unique_ptr<char[]> second_memory = std::make_unique_for_overwrite<char[]>(room);
  ChunkedPart first(0, plan.chunk, {first_memory.get(), room});
  ChunkedPart second(plan.half, plan.chunk, {second_memory.get(), room});
  TracciatoReader reader(t);
  while (reader.position() < reader.size()) {
    uint64_t n = 0;
    if (!EncodeMetres(reader, reader.position() + plan.metres, first.Free(), second.Free(), &n,
                      err) ||
        !first.Append(static_cast<size_t>(n), sink, err) ||
        !second.Append(static_cast<size_t>(n), sink, err)) {
      return false;
    }
  }
  return first.Finish(sink, err) && second.Finish(sink, err);
}

// The memory of one half on two threads: its chunk buffer, and a piece's room
// for the other coordinate, which is computed too (a turn mixes the two) but
// goes nowhere.
struct HalfBuffers {
  std::span<char> part;
  std::span<char> scratch;
};

// How a half on two threads ended.
enum class HalfEnd { kDone, kFailed, kStopped };

// Half `k` (0 or 1) of the file, encoded and handed out by the thread that
// calls it. Stops when `stop` is set by the other half's failure; sets it on a
// failure of its own, with `*err`.
HalfEnd StreamHalf(const Tracciato& t, const Plan& plan, int k, HalfBuffers buffers,
                   const GeometrySink& sink, std::atomic<bool>& stop, std::string* err) {
  ChunkedPart part(k == 0 ? 0 : plan.half, plan.chunk, buffers.part);
  TracciatoReader reader(t);
  bool ok = true;
  while (ok && reader.position() < reader.size()) {
    if (stop.load(std::memory_order_relaxed)) return HalfEnd::kStopped;
    const std::span<char> mine = part.Free();
    uint64_t n = 0;
    ok = EncodeMetres(reader, reader.position() + plan.metres, k == 0 ? mine : buffers.scratch,
                      k == 0 ? buffers.scratch : mine, &n, err) &&
         part.Append(static_cast<size_t>(n), sink, err);
  }
  if (ok && part.Finish(sink, err)) return HalfEnd::kDone;
  stop.store(true, std::memory_order_relaxed);
  return HalfEnd::kFailed;
}

}  // namespace

bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options) {
  const int64_t size = static_cast<int64_t>(t.per_coordinata());
  Plan plan;
  plan.metres = std::max<int64_t>(std::min(options.metres_per_piece, size), 1);
  plan.chunk = std::max<size_t>(options.chunk_bytes, 1);
  // A piece takes at most this much of each coordinate's buffer; the buffers
  // are never filled with anything but the encoded bytes.
  plan.piece = static_cast<size_t>(plan.metres) * layout::EntrySize(Tag::kReale);
  plan.half = GeometryHalfSize(t);
  if (2 * plan.half < options.background_from) return StreamBoth(t, plan, sink, err);

  // Each thread keeps the bytes it encodes in its own processor's cache until
  // it writes them: handing encoded chunks from one thread to the other costs
  // more than it saves. The memory of both halves is taken here, in blocks
  // small enough to come from memory the program has used already, rather
  // than from a new thread's own heap: a page touched for the first time
  // costs far more than the bytes written to it.
  const size_t room = plan.chunk + plan.piece;
  std::unique_ptr<char[]> first_memory = std::make_unique_for_overwrite<char[]>(room + plan.piece);
  std::unique_ptr<char[]> second_memory = std::make_unique_for_overwrite<char[]>(room + plan.piece);
  const HalfBuffers first{{first_memory.get(), room}, {first_memory.get() + room, plan.piece}};
  const HalfBuffers second{{second_memory.get(), room}, {second_memory.get() + room, plan.piece}};
  std::atomic<bool> stop{false};
  HalfEnd second_end = HalfEnd::kStopped;
  std::string second_err;
  std::thread worker;
  if (!StartBackgroundThread(
          [&] { second_end = StreamHalf(t, plan, 1, second, sink, stop, &second_err); }, &worker)) {
    return StreamBoth(t, plan, sink, err);
  }
  const HalfEnd first_end = StreamHalf(t, plan, 0, first, sink, stop, err);
  worker.join();
  // A half stopped by the other's failure reports that failure.
  if (first_end != HalfEnd::kFailed && second_end == HalfEnd::kFailed) *err = second_err;
  return first_end == HalfEnd::kDone && second_end == HalfEnd::kDone;
}

}  // namespace percorso
