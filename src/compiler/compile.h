// The compile of one scenario in memory: clear, parse, post-pass.
#ifndef PERCORSO_COMPILER_COMPILE_H_
#define PERCORSO_COMPILER_COMPILE_H_

#include <cstdint>

#include "compiler/model.h"
#include "compiler/source_files.h"

namespace percorso {

struct CompileOutcome {
  /// False when the parser stopped before the route length created `celle`:
  /// there is nothing to write.
  bool has_route = false;
  /// 1250 or 1251 when the header check of the post-pass failed, else 0.
  int fatal = 0;
};

/// The compile of a scenario in memory: stores `j` (1 when the geometry is
/// asked for, else 0), clears `stato` and every slot of `voci`, runs the parser
/// `memorizza_dati`, and, when the route exists, the post-pass. `s.line_key`
/// and `s.train_key` must be set. Nothing is written.
CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_COMPILE_H_
