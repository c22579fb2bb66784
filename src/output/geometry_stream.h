// The geometry file encoded in pieces and handed out at their offsets: a long
// route's file is tens of megabytes, which are never held whole.
#ifndef PERCORSO_OUTPUT_GEOMETRY_STREAM_H_
#define PERCORSO_OUTPUT_GEOMETRY_STREAM_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/tracciato.h"

namespace percorso {

/// Takes `bytes` for the file at `offset`; false, with `*err` set, to stop.
/// Streamed on two threads, a sink is called from both at once, each thread
/// with the bytes of one half of the file.
using GeometrySink = std::function<bool(uint64_t offset, std::string_view bytes, std::string* err)>;

struct GeometryStreamOptions {
  /// Metres encoded at a time: 800 metres of doubles are 8000 bytes of each
  /// coordinate, little beside a chunk.
  int64_t metres_per_piece = 800;
  /// Bytes of a write: each coordinate's part goes out in pieces that end on
  /// multiples of this in the file (but the last). With 64 KiB the buffers
  /// stay small enough to come from memory the program has already used.
  size_t chunk_bytes = 64 * 1024;
  /// A file of at least this many bytes is streamed on two threads, each of
  /// which encodes the plan and hands out one half of the file: the writing of
  /// one half hides the encoding of the other. A smaller file is not worth the
  /// start of a thread.
  uint64_t background_from = 4 * 1024 * 1024;
};

/// Encodes the whole geometry file of `t` in pieces of metres and hands the
/// bytes to `sink` a chunk at a time: the first coordinate's at their offsets
/// in the first half, the second's at theirs in the second half. Each half's
/// calls come in the order of the metres, one at a time, and together the
/// calls cover the file once. On one thread both coordinates are encoded
/// together; on two (options.background_from), each thread encodes both and
/// hands out one half, so the two halves' calls may overlap. Stops at the
/// first failure of `sink` or of the encoding (on two threads, both halves
/// stop); `*err` then says why.
bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options = {});

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_GEOMETRY_STREAM_H_
