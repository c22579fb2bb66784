// The default run: writes the built-in scenario's sources and crew documents,
// compiles the sources and writes the three binary files.
#ifndef PERCORSO_DRIVER_RUN_H_
#define PERCORSO_DRIVER_RUN_H_

#include <ostream>
#include <string>

#include "io/disk.h"

namespace percorso {

/// The start-up sequence, writing every file into `dir`. "Attendere" goes to
/// `out` before the work starts; errors and a non-zero status go to `err`.
int Form_Load(Disk& disk, const std::string& dir, std::ostream& out, std::ostream& err);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_RUN_H_
