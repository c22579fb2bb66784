// The compile of one scenario in memory: clear, parse, post-pass.
#ifndef PERCORSO_COMPILER_COMPILE_H_
#define PERCORSO_COMPILER_COMPILE_H_

#include <cstdint>
#include <string>

#include "compiler/model.h"
#include "compiler/source_files.h"

namespace percorso {

struct CompileOutcome {
  /// False when the parser stopped before the route length created `celle`:
  /// there is nothing to write.
  bool has_route = false;
  /// kFatalHeaderTaken or kFatalCheckCodesTaken when the header check of the
  /// post-pass failed, else 0.
  int fatal = 0;
  /// The first source file operation that failed (a read or a deletion), one
  /// line naming the file and the reason; empty when none did. The parse
  /// treats an unreadable file as a read failure (status 25).
  std::string io_error;
};

/// The source parser: reads both source files into `s` (keys, `j`, cleared
/// `voci` and status already set), deleting each through `files` once read.
/// Conflicts and read failures are reported only through the status of `s`.
/// Returns the first file operation that failed, empty when none did.
std::string memorizza_dati(Scenario& s, SourceFiles& files);

/// The compile of a scenario in memory: stores `j` (1 when the geometry is
/// asked for, else 0), clears the status and every slot of `voci`, runs the
/// parser `memorizza_dati`, and, when the route exists, the post-pass.
/// `s.line_key` and `s.train_key` must be set. Nothing is written.
CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_COMPILE_H_
