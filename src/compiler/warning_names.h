// The names of the compiler's warnings: each warning carries one, printed in
// brackets after its text, and -Wno-NAME leaves the warnings of that name out.
#ifndef PERCORSO_COMPILER_WARNING_NAMES_H_
#define PERCORSO_COMPILER_WARNING_NAMES_H_

#include <span>
#include <string_view>

namespace percorso {

struct WarningName {
  std::string_view name;
  /// What the warning is about, for the help.
  std::string_view about;
};

/// Every warning's name, in the order the help lists them.
std::span<const WarningName> WarningNames();

/// True when `name` is the name of a warning.
bool IsWarningName(std::string_view name);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_WARNING_NAMES_H_
