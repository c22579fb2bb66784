// The help of the program and of each command.
#ifndef PERCORSO_DRIVER_HELP_H_
#define PERCORSO_DRIVER_HELP_H_

#include <optional>
#include <string_view>

namespace percorso {

/// The synopsis of every command, as shown after a usage error.
std::string_view UsageText();
/// The help of the whole program.
std::string_view ProgramHelp();
/// The help of one command (synopsis, options, an example), or nothing for a
/// name that is no command.
std::optional<std::string_view> CommandHelp(std::string_view command);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_HELP_H_
