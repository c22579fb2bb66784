// Writing a file fresh: the new content never mixes with an old file of the
// same name, and a failure midway never leaves a truncated file under the final
// name. The bytes go to a temporary file in the same directory; once it is
// complete the old file is deleted and the temporary takes the final name.
#ifndef PERCORSO_IO_FRESH_FILE_H_
#define PERCORSO_IO_FRESH_FILE_H_

#include <functional>
#include <string>
#include <string_view>

#include "io/disk.h"

namespace percorso {

/// Replaces `path` whole with `bytes`. An existing read-only file or a directory
/// of that name is refused. On failure `*err` is one line naming the file and
/// the reason, and no temporary file stays; the old file (if any) is untouched,
/// unless the failure is the final rename, which leaves no file of that name.
bool WriteFresh(Disk& disk, const std::string& path, std::string_view bytes, std::string* err);

/// The same, for content produced in pieces: `next` appends the next piece to
/// its argument and returns false once nothing is left.
bool WriteFreshChunked(Disk& disk, const std::string& path,
                       const std::function<bool(std::string*)>& next, std::string* err);

/// The same, for content that `write` writes itself to the open `handle` of
/// the new file (with Disk::Write or Disk::WriteAt); it returns false, with
/// `*reason` set, to give up.
bool WriteFreshWith(Disk& disk, const std::string& path,
                    const std::function<bool(int handle, std::string* reason)>& write,
                    std::string* err);

}  // namespace percorso

#endif  // PERCORSO_IO_FRESH_FILE_H_
