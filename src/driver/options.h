// A small parser for "--name VALUE" options, "--flag" flags and positional
// arguments, shared by the commands.
#ifndef PERCORSO_DRIVER_OPTIONS_H_
#define PERCORSO_DRIVER_OPTIONS_H_

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace percorso {

class ParsedOptions {
 public:
  /// `with_value` names options that take a value ("--dir"), `flags` those that
  /// do not ("--json"). Anything else starting with "-" is an error;
  /// everything else is a positional argument. A value may also be given as
  /// "--name=VALUE".
  bool Parse(const std::vector<std::string>& args, const std::set<std::string>& with_value,
             const std::set<std::string>& flags, std::string* err);

  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags_.count(name) > 0; }
  const std::vector<std::string>& positional() const { return positional_; }

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positional_;
};

}  // namespace percorso

#endif  // PERCORSO_DRIVER_OPTIONS_H_
