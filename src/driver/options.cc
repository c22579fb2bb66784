#include "driver/options.h"

#include <getopt.h>

#include <algorithm>

namespace percorso {
namespace {

// The value getopt_long returns for option `index` of a table.
int OptionValue(const OptionDefinition& o, size_t index) {
  return o.short_name != 0 ? o.short_name : 256 + static_cast<int>(index);
}

const OptionDefinition* OptionOfValue(const CommandDefinition& definition, int value) {
  for (size_t i = 0; i < definition.options.size(); ++i) {
    if (OptionValue(definition.options[i], i) == value) return &definition.options[i];
  }
  return nullptr;
}

std::string Shown(const OptionDefinition& o) {
  return o.long_name.empty() ? std::string{'-', o.short_name} : "--" + std::string(o.long_name);
}

// Why `arg`, a long option that getopt_long refused, is wrong.
std::string LongOptionError(const CommandDefinition& definition, const std::string& arg) {
  std::string name = arg.substr(2, arg.find('=') - 2);
  std::vector<const OptionDefinition*> matches;
  for (const OptionDefinition& o : definition.options) {
    if (o.long_name == name) {
      matches = {&o};
      break;
    }
    if (!o.long_name.empty() && o.long_name.starts_with(name)) matches.push_back(&o);
  }
  if (matches.empty()) return "unknown option: " + arg;
  if (matches.size() > 1) {
    std::string list;
    for (const OptionDefinition* o : matches) list += (list.empty() ? "" : ", ") + Shown(*o);
    return "option '--" + name + "' is ambiguous: " + list;
  }
  const OptionDefinition& o = *matches[0];
  if (o.value.empty()) return "option '" + Shown(o) + "' takes no value";
  return "option '" + Shown(o) + "' needs a value";
}

}  // namespace

std::string OptionKey(const OptionDefinition& o) {
  return Shown(o);
}

bool ParsedOptions::Parse(const CommandDefinition& definition, const std::vector<std::string>& args,
                          std::string* err) {
  // getopt_long permutes the pointers of argv, never the strings.
  std::vector<std::string> strings = {"percorso"};
  strings.insert(strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& s : strings) argv.push_back(s.data());
  argv.push_back(nullptr);
  // A leading ':' makes a missing value return ':' rather than '?'.
  std::string shorts = ":";
  std::vector<std::string> long_names;
  long_names.reserve(definition.options.size());
  std::vector<option> longs;
  for (size_t i = 0; i < definition.options.size(); ++i) {
    const OptionDefinition& o = definition.options[i];
    if (o.short_name != 0) {
      shorts += o.short_name;
      if (!o.value.empty()) shorts += ':';
    }
    if (o.long_name.empty()) continue;
    long_names.emplace_back(o.long_name);
    longs.push_back(option{long_names.back().c_str(),
                           o.value.empty() ? no_argument : required_argument, nullptr,
                           OptionValue(o, i)});
  }
  longs.push_back(option{nullptr, 0, nullptr, 0});
  const int argc = static_cast<int>(strings.size());
  // optind 0 starts the scan afresh, also after an earlier parse.
  optind = 0;
  opterr = 0;
  for (;;) {
    int c = getopt_long(argc, argv.data(), shorts.c_str(), longs.data(), nullptr);
    if (c == -1) break;
    std::string arg = optind >= 1 && optind <= argc ? argv[static_cast<size_t>(optind - 1)] : "";
    if (c == '?' || c == ':') {
      if (arg.starts_with("--")) {
        *err = LongOptionError(definition, arg);
      } else if (c == ':') {
        *err = "option '-" + std::string(1, static_cast<char>(optopt)) + "' needs a value";
      } else {
        *err = "unknown option: -" + std::string(1, static_cast<char>(optopt));
      }
      return false;
    }
    const OptionDefinition* o = OptionOfValue(definition, c);
    if (o == nullptr) {
      *err = "unknown option: " + arg;
      return false;
    }
    given_.emplace_back(Shown(*o), o->value.empty() || optarg == nullptr ? "" : optarg);
    // --help answers at once, whatever follows.
    if (o->long_name == "help") return true;
  }
  for (int i = optind; i < argc; ++i) positional_.emplace_back(argv[static_cast<size_t>(i)]);
  return true;
}

std::optional<std::string> ParsedOptions::Value(std::string_view key) const {
  for (auto it = given_.rbegin(); it != given_.rend(); ++it) {
    if (it->first == key) return it->second;
  }
  return std::nullopt;
}

std::vector<std::string> ParsedOptions::Values(std::string_view key) const {
  std::vector<std::string> values;
  for (const auto& [k, v] : given_) {
    if (k == key) values.push_back(v);
  }
  return values;
}

bool ParsedOptions::Flag(std::string_view key) const {
  return std::any_of(given_.begin(), given_.end(), [&](const auto& g) { return g.first == key; });
}

}  // namespace percorso
