// Reading an input file whole, with one wording for every way it can fail.
#ifndef PERCORSO_IO_READ_FILE_H_
#define PERCORSO_IO_READ_FILE_H_

#include <cstdint>
#include <string>

#include "io/disk.h"

namespace percorso {

enum class ReadStatus { kOk, kMissing, kFailed };

/// Reads the regular file at `path` whole into `*bytes`. On failure `*err`
/// holds one line naming the file: "PATH: no such file" (kMissing), "PATH: not
/// a regular file" or "PATH: cannot read: REASON" (kFailed, also when the
/// system could not even tell whether the file is there: a name too long, a
/// directory that may not be entered).
ReadStatus ReadRegularFile(Disk& disk, const std::string& path, uint64_t max_size,
                           std::string* bytes, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_IO_READ_FILE_H_
