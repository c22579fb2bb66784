#include "driver/compile_driver.h"

#include "compiler/compile.h"
#include "output/compiled_files.h"

namespace percorso {

CompileReport memorizza_percorso(Scenario& s, int32_t j, SourceFiles& sources, Disk& disk,
                                 const FileNames& names) {
  CompileReport report;
  CompileOutcome outcome = compila(s, j, sources);
  // A source that could not be read or deleted is a failure of the run, not a
  // status of the scenario: nothing is written for it.
  if (!outcome.io_error.empty()) {
    report.result = CompileResult::kIoError;
    report.io_error = outcome.io_error;
    return report;
  }
  if (!outcome.has_route) {
    report.result = CompileResult::kNoRoute;
    return report;
  }
  if (outcome.fatal != 0) {
    report.result = CompileResult::kFatal;
    report.fatal = outcome.fatal;
    return report;
  }
  if (!WriteCompiledFiles(disk, s, names, &report.io_error)) {
    report.result = CompileResult::kIoError;
  }
  return report;
}

}  // namespace percorso
