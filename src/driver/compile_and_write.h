// A compile followed by the writing of its three binary files.
#ifndef PERCORSO_DRIVER_COMPILE_AND_WRITE_H_
#define PERCORSO_DRIVER_COMPILE_AND_WRITE_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "driver/diagnostics_out.h"
#include "io/disk.h"
#include "io/file_names.h"
#include "model/model.h"

namespace percorso {

enum class CompileResult {
  kWritten,  // nothing stopped the writing; `stato` tells whether the compile was clean
  kNoRoute,  // the parser stopped before the route existed: nothing written
  kFatal,    // the header check failed (1250 or 1251): nothing written
  kIoError,  // a file operation failed: reported in the message
};

struct CompileReport {
  CompileResult result = CompileResult::kWritten;
  int fatal = 0;
  /// One line naming the file and the reason, for kIoError.
  std::string io_error;
  /// What the compile tells the author: its error, if any, then warnings.
  std::vector<Diagnostic> diagnostics;
  /// What the compile read.
  EntryCounts counts;
};

/// What the outcome of a compile comes to before anything is written:
/// kWritten when nothing stops the writing of the files.
CompileReport ReportOf(CompileOutcome outcome);

/// Compiles the sources into `s` (keys already set) and, unless the compile
/// ended without a route or with a fatal header error, writes the binary
/// files named by `names`; the geometry file only `with_geometry`.
CompileReport CompileAndWrite(Scenario& s, bool with_geometry, SourceFiles& sources, Disk& disk,
                              const FileNames& names);

/// One line that says what a compile read: "16 stations, 45 signals, 2
/// slowdowns, 13 speed entries, 12 boards, route length 97000 m".
std::string ReadSummary(const EntryCounts& counts);

/// The text of the fatal error report: " Errore n. " followed by `a`.
std::string errore(std::string_view a);

/// Turns the outcome of a compile into messages on `err` and an exit status.
/// A fatal error's " Errore n. " line comes first (in text); warnings never
/// change the status. The diagnostics are printed as `style` says.
int ReportCompile(const Scenario& s, const CompileReport& report, std::ostream& err,
                  const DiagnosticStyle& style);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_COMPILE_AND_WRITE_H_
