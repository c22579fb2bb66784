// The default run: writes the built-in scenario's sources and crew documents,
// compiles the sources and writes the three binary files.
#ifndef PERCORSO_DRIVER_RUN_H_
#define PERCORSO_DRIVER_RUN_H_

#include <ostream>
#include <string>

#include "compiler/model.h"
#include "driver/compile_driver.h"
#include "io/disk.h"

namespace percorso {

/// Exit statuses of the program.
enum ExitStatus : int {
  kExitOk = 0,
  kExitFailure = 1,  // a file operation failed, or a fatal header error
  kExitUsage = 2,    // the command line is wrong or an input file is missing
  kExitStatus = 3,   // the compile ended with a non-zero status
};

/// Turns the outcome of a compile into messages on `err` and an exit status.
int ReportCompile(const Scenario& s, const CompileReport& report, std::ostream& err);

/// The start-up sequence, writing every file into `dir`. "Attendere" goes to
/// `out` before the work starts; errors and a non-zero status go to `err`.
int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_RUN_H_
