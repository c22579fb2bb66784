// The compile driver: compiles a scenario and writes its three binary files.
#ifndef PERCORSO_DRIVER_COMPILE_DRIVER_H_
#define PERCORSO_DRIVER_COMPILE_DRIVER_H_

#include <cstdint>
#include <string>

#include "compiler/model.h"
#include "compiler/source_files.h"
#include "io/disk.h"
#include "io/file_names.h"

namespace percorso {

enum class CompileResult {
  kWritten,  // the files are written; `stato` tells whether the compile was clean
  kNoRoute,  // the parser stopped before the route existed: nothing written
  kFatal,    // the header check failed (1250 or 1251): nothing written
  kIoError,  // a file operation failed: reported in the message
};

struct CompileReport {
  CompileResult result = CompileResult::kWritten;
  int fatal = 0;
  /// One line naming the file and the reason, for kIoError.
  std::string io_error;
};

/// Compiles the sources into `s` (keys already set) and writes the binary
/// files. `j` non-zero asks for the geometry file too.
CompileReport memorizza_percorso(Scenario& s, int32_t j, SourceFiles& sources, Disk& disk,
                                 const FileNames& names);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_COMPILE_DRIVER_H_
