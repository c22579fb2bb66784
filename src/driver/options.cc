#include "driver/options.h"

namespace percorso {

bool ParsedOptions::Parse(const std::vector<std::string>& args,
                          const std::set<std::string>& with_value,
                          const std::set<std::string>& flags, std::string* err) {
  bool only_positional = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (only_positional || a == "-" || !a.starts_with("-")) {
      positional_.push_back(a);
      continue;
    }
    if (a == "--") {
      only_positional = true;
      continue;
    }
    std::string name = a;
    std::optional<std::string> inline_value;
    if (size_t eq = a.find('='); eq != std::string::npos && a.starts_with("--")) {
      name = a.substr(0, eq);
      inline_value = a.substr(eq + 1);
    }
    if (with_value.count(name)) {
      if (inline_value) {
        values_[name] = *inline_value;
      } else if (i + 1 < args.size()) {
        values_[name] = args[++i];
      } else {
        *err = "option " + name + " needs a value";
        return false;
      }
    } else if (flags.count(name) && !inline_value) {
      flags_.insert(name);
    } else {
      *err = "unknown option: " + a;
      return false;
    }
  }
  return true;
}

std::optional<std::string> ParsedOptions::Value(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace percorso
