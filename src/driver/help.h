// The commands and their options as one table, and everything written from
// it: the help of the program and of each command, the usage lines and the
// man page.
#ifndef PERCORSO_DRIVER_HELP_H_
#define PERCORSO_DRIVER_HELP_H_

#include <string>
#include <string_view>
#include <vector>

#include "driver/options.h"
#include "model/grammar.h"

namespace percorso {

/// The run without a command.
const CommandDefinition& DefaultRunDefinition();
/// Every command, in the order the help lists them.
const std::vector<CommandDefinition>& AllCommands();
/// The command named `name`, or nullptr.
const CommandDefinition* FindCommand(std::string_view name);

/// The usage of every form of every command, one line each, as the README
/// and the man page show them.
std::string UsageLines();
/// The help of the whole program.
std::string ProgramHelp();
/// The help of one command: usage, what it does, options, an example.
std::string CommandHelp(const CommandDefinition& definition);
/// The keywords of the source files with their fields, section by section.
std::string KeywordsHelp();
/// The keyword named `name` (as the reference names it, or as the system's
/// files write it), or nullptr.
const KeywordRule* FindKeyword(std::string_view name);
/// One keyword: its section, how it is recognised, and each field with its
/// kind, unit and what an odd value does.
std::string KeywordHelp(const KeywordRule& keyword);
/// The line after a usage error: "Try 'percorso COMMAND --help' for more
/// information."
std::string TryHelp(const CommandDefinition& definition);
/// What --version prints: the version, the platform, the copyright and the
/// licence.
std::string VersionText();
/// The man page percorso(1), in roff, dated `date` (YYYY-MM-DD).
std::string ManPage(std::string_view date);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_HELP_H_
