#include "driver/options.h"

#include <getopt.h>

#include <algorithm>

namespace percorso {
namespace {

// The value getopt_long returns for option `index` of a table.
int OptionValue(const OptionSpec& o, size_t index) {
  return o.short_name != 0 ? o.short_name : 256 + static_cast<int>(index);
}

const OptionSpec* OptionOfValue(const CommandSpec& spec, int value) {
  for (size_t i = 0; i < spec.options.size(); ++i) {
    if (OptionValue(spec.options[i], i) == value) return &spec.options[i];
  }
  return nullptr;
}

std::string Shown(const OptionSpec& o) {
  return o.long_name.empty() ? std::string{'-', o.short_name} : "--" + std::string(o.long_name);
}

// Why `arg`, a long option that getopt_long refused, is wrong.
std::string LongOptionError(const CommandSpec& spec, const std::string& arg) {
  std::string name = arg.substr(2, arg.find('=') - 2);
  std::vector<const OptionSpec*> matches;
  for (const OptionSpec& o : spec.options) {
    if (o.long_name == name) {
      matches = {&o};
      break;
    }
    if (!o.long_name.empty() && o.long_name.starts_with(name)) matches.push_back(&o);
  }
  if (matches.empty()) return "unknown option: " + arg;
  if (matches.size() > 1) {
    std::string list;
    for (const OptionSpec* o : matches) list += (list.empty() ? "" : ", ") + Shown(*o);
    return "option '--" + name + "' is ambiguous: " + list;
  }
  const OptionSpec& o = *matches[0];
  if (o.value.empty()) return "option '" + Shown(o) + "' takes no value";
  return "option '" + Shown(o) + "' needs a value";
}

}  // namespace

std::string OptionKey(const OptionSpec& o) {
  return Shown(o);
}

bool ParsedOptions::Parse(const CommandSpec& spec, const std::vector<std::string>& args,
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
  long_names.reserve(spec.options.size());
  std::vector<option> longs;
  for (size_t i = 0; i < spec.options.size(); ++i) {
    const OptionSpec& o = spec.options[i];
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
        *err = LongOptionError(spec, arg);
      } else if (c == ':') {
        *err = "option '-" + std::string(1, static_cast<char>(optopt)) + "' needs a value";
      } else {
        *err = "unknown option: -" + std::string(1, static_cast<char>(optopt));
      }
      return false;
    }
    const OptionSpec* o = OptionOfValue(spec, c);
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
