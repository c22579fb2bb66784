#include "output/geometry_stream.h"

#include <algorithm>
#include <memory>
#include <span>

#include "output/geometry_file.h"
#include "output/layout.h"

namespace percorso {

bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options) {
  const int64_t metres = std::max<int64_t>(options.metres_per_piece, 1);
  // Room for both halves of the largest piece; the buffer is never filled
  // with anything but the encoded bytes.
  const size_t room = 2 * static_cast<size_t>(metres) * layout::EntrySize(Tag::kReale);
  std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(room);
  const uint64_t half = GeometryHalfSize(t);
  TracciatoReader reader(t);
  while (reader.position() < reader.size()) {
    const uint64_t offset = GeometryOffset(t, reader.position());
    uint64_t n = 0;
    if (!EncodeMetres(reader, std::min(reader.size(), reader.position() + metres),
                      std::span<char>(buffer.get(), room), &n, err)) {
      return false;
    }
    const std::string_view first(buffer.get(), static_cast<size_t>(n));
    const std::string_view second(buffer.get() + n, static_cast<size_t>(n));
    if (!sink(offset, first, err) || !sink(half + offset, second, err)) return false;
  }
  return true;
}

}  // namespace percorso
