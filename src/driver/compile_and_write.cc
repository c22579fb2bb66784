#include "driver/compile_and_write.h"

#include <utility>

#include "compiler/compile.h"
#include "driver/diagnostics_out.h"
#include "driver/errore.h"
#include "driver/exit_status.h"
#include "output/compiled_files.h"

namespace percorso {

CompileReport ReportOf(CompileOutcome outcome) {
  CompileReport report;
  report.diagnostics = std::move(outcome.diagnostics);
  // A source that could not be read or deleted is a failure of the run, not a
  // status of the scenario: nothing is written for it.
  if (!outcome.io_error.empty()) {
    report.result = CompileResult::kIoError;
    report.io_error = std::move(outcome.io_error);
  } else if (!outcome.has_route) {
    report.result = CompileResult::kNoRoute;
  } else if (outcome.fatal != 0) {
    report.result = CompileResult::kFatal;
    report.fatal = outcome.fatal;
  }
  return report;
}

CompileReport CompileAndWrite(Scenario& s, bool with_geometry, SourceFiles& sources, Disk& disk,
                              const FileNames& names) {
  CompileReport report = ReportOf(memorizza_percorso(s, with_geometry, sources));
  if (report.result == CompileResult::kWritten &&
      !WriteCompiledFiles(disk, s, names, &report.io_error)) {
    report.result = CompileResult::kIoError;
  }
  return report;
}

int ReportCompile(const Scenario& s, const CompileReport& report, std::ostream& err,
                  const DiagnosticStyle& style) {
  if (report.result == CompileResult::kIoError) return Fail(err, report.io_error);
  // The fatal report stays the first line.
  if (report.result == CompileResult::kFatal && style.format == DiagnosticsFormat::kText) {
    err << errore(std::to_string(report.fatal)) << "\n";
  }
  PrintDiagnostics(err, report.diagnostics, style);
  if (report.result == CompileResult::kFatal) return kExitFailure;
  if (s.diagnostic.stato == 0 && report.result == CompileResult::kWritten) return kExitOk;
  return kExitStatus;
}

}  // namespace percorso
