// Writing the three binary files of a compiled scenario.
#ifndef PERCORSO_OUTPUT_COMPILED_FILES_H_
#define PERCORSO_OUTPUT_COMPILED_FILES_H_

#include <string>

#include "io/disk.h"
#include "io/file_names.h"
#include "model/model.h"

namespace percorso {

/// Writes the three binary files of `s`: the geometry file when `j` is non-zero,
/// then the table file, then the cell file. Each goes to a temporary first and
/// the three replace the old files only once all are complete; a failure
/// before that leaves every old file as it was.
bool WriteCompiledFiles(Disk& disk, const Scenario& s, const FileNames& names, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_COMPILED_FILES_H_
