// The geometry file encoded in pieces and handed out at their offsets: a long
// route's file is tens of megabytes, which are never held whole.
#ifndef PERCORSO_OUTPUT_GEOMETRY_STREAM_H_
#define PERCORSO_OUTPUT_GEOMETRY_STREAM_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "compiler/tracciato.h"

namespace percorso {

/// Takes `bytes` for the file at `offset`; false, with `*err` set, to stop.
using GeometrySink = std::function<bool(uint64_t offset, std::string_view bytes, std::string* err)>;

struct GeometryStreamOptions {
  /// Metres per piece: 52429 metres of doubles are 512 KiB in each half.
  int64_t metres_per_piece = 52429;
  /// Encode the next piece on a second thread while `sink` takes the one
  /// before. Without a second thread (or when none can be started) the pieces
  /// are encoded and handed out in turn.
  bool overlap = true;
};

/// Encodes the whole geometry file of `t` in pieces of metres and hands each
/// piece's two parts to `sink`: the first coordinate's at its offset in the
/// first half, then the second coordinate's at its offset in the second half.
/// The calls come from the calling thread, in the order of the metres, and
/// together cover the file once. Stops at the first failure of `sink` or of
/// the encoding; `*err` then says why.
bool StreamTracciato(const Tracciato& t, const GeometrySink& sink, std::string* err,
                     const GeometryStreamOptions& options = {});

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_GEOMETRY_STREAM_H_
