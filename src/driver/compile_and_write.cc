#include "driver/compile_and_write.h"

#include <utility>

#include "compiler/compile.h"
#include "driver/diagnostics_out.h"
#include "driver/exit_status.h"
#include "output/compiled_files.h"

namespace percorso {

CompileReport ReportOf(CompileOutcome outcome) {
  CompileReport report;
  report.diagnostics = std::move(outcome.diagnostics);
  report.counts = outcome.counts;
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

namespace {

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string ReadSummary(const EntryCounts& c) {
  std::string line = Counted(c.stations, "station", "stations") + ", " +
                     Counted(c.signals, "signal", "signals") + ", " +
                     Counted(c.slowdowns, "slowdown", "slowdowns") + ", " +
                     Counted(c.speed_entries, "speed entry", "speed entries") + ", " +
                     Counted(c.speed_boards + c.text_boards, "board", "boards") + " (" +
                     std::to_string(c.speed_boards) + " speed-indicator, " +
                     std::to_string(c.text_boards) + " text)";
  if (c.has_route) line += ", route length " + std::to_string(c.route_length) + " m";
  return line;
}

std::string errore(std::string_view a) {
  return " Errore n. " + std::string(a);
}

int ReportCompile(const Scenario& s, const CompileReport& report, std::ostream& err,
                  const DiagnosticStyle& style) {
  if (report.result == CompileResult::kIoError) return Fail(err, report.io_error);
  // The fatal report stays the first line.
  if (report.result == CompileResult::kFatal && style.format == DiagnosticsFormat::kText) {
    err << errore(std::to_string(report.fatal)) << "\n";
  }
  if (!PrintDiagnostics(err, report.diagnostics, style).written) return kExitFailure;
  if (report.result == CompileResult::kFatal) return kExitFailure;
  if (s.diagnostic.stato == 0 && report.result == CompileResult::kWritten) return kExitOk;
  return kExitStatus;
}

}  // namespace percorso
