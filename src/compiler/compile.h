// The compile of one scenario in memory: clear, parse, post-pass; and the
// check of a scenario, which reports every problem it finds.
#ifndef PERCORSO_COMPILER_COMPILE_H_
#define PERCORSO_COMPILER_COMPILE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/parse_session.h"
#include "compiler/source_files.h"
#include "model/diagnostic.h"
#include "model/model.h"

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
  /// What to tell the author, in the order to tell it: the errors first (the
  /// entry behind a fatal error, then the status of the compile, or the
  /// missing route length), then the warnings in the order of the files.
  std::vector<Diagnostic> diagnostics;
  /// What the parse read: the entries placed of each kind, the route length.
  EntryCounts counts;
};

/// The source parser: reads both source files into `s` (keys, `j`, cleared
/// `voci` and status already set), deleting each through `files` once read.
/// Conflicts and read failures are reported through the status of `s`; with
/// `recover` (a check) every error is recorded in the findings instead, the
/// entry that raised it left out and the reading carried on. With `records`,
/// every keyword test that an entry passed is kept there as a record, in
/// reading order, for tools that show the model in the author's terms.
ParseFindings memorizza_dati(Scenario& s, SourceFiles& files, bool recover = false,
                             std::vector<SourceEntry>* records = nullptr);

/// The compile of a scenario in memory: stores `j` (1 when the geometry is
/// asked for, else 0), clears the status and every slot of `voci`, runs the
/// parser `memorizza_dati`, and, when the route exists, the post-pass.
/// `s.line_key` and `s.train_key` must be set. Nothing is written. With
/// `records`, the parser's records of the entries are kept there.
CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files,
                                  std::vector<SourceEntry>* records = nullptr);

/// The check of a scenario: the compile above, then a second parse that
/// leaves out every entry that raises an error and reads on. Its diagnostics
/// begin with exactly the errors that the compile reports, then every other
/// error and warning in the order of the files. Nothing is written and no
/// file deleted (`files` should not delete).
CompileOutcome CheckScenario(const std::string& line_key, const std::string& train_key,
                             bool with_geometry, SourceFiles& files);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_COMPILE_H_
