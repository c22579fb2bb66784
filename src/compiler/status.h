// The status codes of a compile and their meanings in plain words.
#ifndef PERCORSO_COMPILER_STATUS_H_
#define PERCORSO_COMPILER_STATUS_H_

#include <string_view>

namespace percorso {

/// What a status code means; "unknown status" for a code the compiler never sets.
std::string_view StatusMeaning(int stato);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_STATUS_H_
