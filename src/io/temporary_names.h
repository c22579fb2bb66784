// The names of temporary files: short, recognisable, and never derived from
// the name of the file they replace, so that any final name the file system
// allows can be written.
#ifndef PERCORSO_IO_TEMPORARY_NAMES_H_
#define PERCORSO_IO_TEMPORARY_NAMES_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "io/disk.h"

namespace percorso {

inline constexpr std::string_view kTemporaryPrefix = ".percorso-";
inline constexpr std::string_view kTemporarySuffix = ".tmp";
inline constexpr size_t kTemporaryRandomLength = 6;

/// ".percorso-PID-RANDOM.tmp", RANDOM being 6 characters 0-9a-z taken from
/// `random_bits`.
std::string MakeTemporaryName(uint64_t pid, uint64_t random_bits);

/// True for a name of exactly that shape.
bool IsTemporaryName(std::string_view name);

/// What a platform's attempt to create a file under a new name gave.
enum class TemporaryOpen { kOpened, kNameTaken, kFailed };

/// Creates `path` as a new file, open for writing, and sets `*handle`; with
/// kFailed, `*err` says why. It must not follow a link or open a file that is
/// already there.
using OpenNewFile =
    std::function<TemporaryOpen(const std::string& path, FileHandle* handle, std::string* err)>;

/// Creates a temporary in `dir` under a random name for process `pid`, through
/// `open`, and enters it in the table of temporaries removed on an interrupt
/// as it appears. Tries another name while the name is taken, up to a limit.
/// False with the reason when no name fits the table or every name tried was
/// taken, or when `open` fails. `dir_handle`, when the directory is open,
/// goes in the table with the name.
bool CreateTemporaryIn(const std::string& dir, uint64_t pid, const OpenNewFile& open,
                       TemporaryFile* temp, std::string* err, FileHandle dir_handle = kNoHandle);

}  // namespace percorso

#endif  // PERCORSO_IO_TEMPORARY_NAMES_H_
