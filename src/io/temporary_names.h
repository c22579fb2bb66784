// The names of temporary files: short, recognisable, and never derived from
// the name of the file they replace, so that any final name the file system
// allows can be written.
#ifndef PERCORSO_IO_TEMPORARY_NAMES_H_
#define PERCORSO_IO_TEMPORARY_NAMES_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace percorso {

inline constexpr std::string_view kTemporaryPrefix = ".percorso-";
inline constexpr std::string_view kTemporarySuffix = ".tmp";
inline constexpr size_t kTemporaryRandomLength = 6;

/// ".percorso-PID-RANDOM.tmp", RANDOM being 6 characters 0-9a-z taken from
/// `random_bits`.
std::string MakeTemporaryName(uint64_t pid, uint64_t random_bits);

/// True for a name of exactly that shape.
bool IsTemporaryName(std::string_view name);

}  // namespace percorso

#endif  // PERCORSO_IO_TEMPORARY_NAMES_H_
