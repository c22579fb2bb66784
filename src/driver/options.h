// The options of the commands as data, and their parsing by getopt_long: the
// help, the man page and the parser all read the one table (driver/help.cc).
#ifndef PERCORSO_DRIVER_OPTIONS_H_
#define PERCORSO_DRIVER_OPTIONS_H_

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace percorso {

struct OptionDefinition {
  /// "dir" for --dir; empty for an option with a short name only.
  std::string_view long_name;
  /// 'o' for -o; 0 for none.
  char short_name = 0;
  /// The value's name in the help ("DIR"); empty for a flag.
  std::string_view value;
  std::string_view help;
  /// The value is written right after the short name, as in -Wno-NAME.
  bool attached = false;
  /// What the shell completes the value with: the words it may be ("auto
  /// always never"), or the files a pattern names ("*_linea.txt"). Empty: a
  /// file for FILE, a directory for DIR, nothing for other values.
  std::string_view completes = {};
};

struct CommandDefinition {
  /// Empty for the run without a command.
  std::string_view name;
  /// One line for the list of commands.
  std::string_view summary;
  /// What follows "percorso NAME [OPTION]..." in each form of the usage.
  std::vector<std::string_view> forms;
  std::string_view description;
  std::vector<OptionDefinition> options;
  std::string_view example;
  /// The help lists the names of the warnings (-Wno-NAME).
  bool lists_warnings = false;
};

/// The key by which a parsed option is asked for: "--dir", or "-o" for an
/// option with a short name only.
std::string OptionKey(const OptionDefinition& o);

/// The options given on a command line, parsed by a command's table.
class ParsedOptions {
 public:
  /// Parses `args` (after the command's name) as getopt_long does: options and
  /// arguments in any order, "--name=VALUE" or "--name VALUE", "-oVALUE",
  /// unique abbreviations of long names, "--" before arguments only; "-" is an
  /// argument. Stops at --help. False with a one-line reason in `*err`.
  bool Parse(const CommandDefinition& definition, const std::vector<std::string>& args,
             std::string* err);

  /// The value given last for `key`.
  std::optional<std::string> Value(std::string_view key) const;
  /// Every value given for `key`, in order.
  std::vector<std::string> Values(std::string_view key) const;
  bool Flag(std::string_view key) const;
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::vector<std::pair<std::string, std::string>> given_;
  std::vector<std::string> positional_;
};

}  // namespace percorso

#endif  // PERCORSO_DRIVER_OPTIONS_H_
