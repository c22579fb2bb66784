#include "driver/completion.h"

#include <string_view>
#include <vector>

#include "driver/help.h"
#include "model/catalogue.h"
#include "model/grammar.h"

namespace percorso {
namespace {

// The run without a command first, then every command.
std::vector<const CommandDefinition*> Everything() {
  std::vector<const CommandDefinition*> all = {&DefaultRunDefinition()};
  for (const CommandDefinition& c : AllCommands()) all.push_back(&c);
  return all;
}

std::string CommandNames() {
  std::string names;
  for (const CommandDefinition& c : AllCommands()) {
    names += (names.empty() ? "" : " ") + std::string(c.name);
  }
  return names;
}

std::string KeywordNames() {
  std::string names;
  for (const KeywordRule& k : Keywords()) names += (names.empty() ? "" : " ") + std::string(k.name);
  return names;
}

// -Wno-NAME and -WNAME for every warning.
std::string WarningOptions() {
  std::string words;
  for (const WarningEntry& w : kWarningCatalogue) {
    words += (words.empty() ? "" : " ") + std::string("-Wno-") + std::string(w.name) + " -W" +
             std::string(w.name);
  }
  return words;
}

// The words a command line may name an option by: --long and -s (not -W,
// whose names are completed apart).
std::string OptionWords(const CommandDefinition& c) {
  std::string words;
  for (const OptionDefinition& o : c.options) {
    if (o.short_name != 0 && !o.attached)
      words += (words.empty() ? "-" : " -") + std::string(1, o.short_name);
    if (!o.long_name.empty()) words += (words.empty() ? "--" : " --") + std::string(o.long_name);
  }
  return words;
}

bool IsPattern(std::string_view completes) {
  return completes.find('*') != std::string_view::npos;
}

// What bash does for the value of `o`: one line of a case branch's body.
std::string BashValue(const OptionDefinition& o) {
  if (IsPattern(o.completes)) return "_percorso_files '" + std::string(o.completes) + "'";
  if (!o.completes.empty()) {
    return "COMPREPLY=($(compgen -W '" + std::string(o.completes) + "' -- \"$cur\"))";
  }
  if (o.value == "DIR") return "_percorso_directories";
  if (o.value == "FILE") return "_percorso_files '*'";
  return ":";
}

// Text for a single-quoted word of the shell.
std::string Quoted(std::string_view text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

}  // namespace

std::string BashCompletion() {
  std::string s =
      "# bash completion for percorso, written by its build from the table of its\n"
      "# commands and options.\n"
      "\n"
      "_percorso_files() {\n"
      "  local IFS=$'\\n'\n"
      "  compopt -o filenames 2>/dev/null\n"
      "  COMPREPLY=($(compgen -d -- \"$cur\") $(compgen -f -X \"!$1\" -- \"$cur\"))\n"
      "}\n"
      "\n"
      "_percorso_directories() {\n"
      "  local IFS=$'\\n'\n"
      "  compopt -o filenames 2>/dev/null\n"
      "  COMPREPLY=($(compgen -d -- \"$cur\"))\n"
      "}\n"
      "\n"
      "_percorso() {\n"
      "  local cur=${COMP_WORDS[COMP_CWORD]} option= command= i\n"
      "  local -a arguments=()\n"
      "  COMPREPLY=()\n"
      "  # The command: the first word after the program's that names one.\n"
      "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
      "    if [[ -z $command ]]; then\n"
      "      case ${COMP_WORDS[i]} in\n"
      "        " +
      [] {
        std::string names = CommandNames();
        for (char& c : names) c = c == ' ' ? '|' : c;
        return names;
      }() +
      ") command=${COMP_WORDS[i]} ;;\n"
      "      esac\n"
      "    elif [[ ${COMP_WORDS[i]} != -* ]]; then\n"
      "      arguments+=(\"${COMP_WORDS[i]}\")\n"
      "    fi\n"
      "  done\n"
      "  # The option whose value is being written: --name VALUE, or --name=VALUE\n"
      "  # (which bash splits at the =).\n"
      "  if [[ $cur == = ]]; then\n"
      "    option=${COMP_WORDS[COMP_CWORD - 1]}\n"
      "    cur=\n"
      "  elif ((COMP_CWORD > 1)) && [[ ${COMP_WORDS[COMP_CWORD - 1]} == = ]]; then\n"
      "    option=${COMP_WORDS[COMP_CWORD - 2]}\n"
      "  elif ((COMP_CWORD > 1)); then\n"
      "    option=${COMP_WORDS[COMP_CWORD - 1]}\n"
      "  fi\n"
      "  case \"$command $option\" in\n";
  for (const CommandDefinition* c : Everything()) {
    for (const OptionDefinition& o : c->options) {
      if (o.value.empty() || o.attached) continue;
      std::string patterns;
      if (!o.long_name.empty())
        patterns = "\"" + std::string(c->name) + " --" + std::string(o.long_name) + "\"";
      if (o.short_name != 0) {
        patterns += (patterns.empty() ? "" : "|") + std::string("\"") + std::string(c->name) +
                    " -" + std::string(1, o.short_name) + "\"";
      }
      s += "    " + patterns + ")\n      " + BashValue(o) + "\n      return\n      ;;\n";
    }
  }
  s += "  esac\n"
       "  if [[ $cur == -W* ]]; then\n"
       "    case $command in\n";
  for (const CommandDefinition* c : Everything()) {
    if (!c->lists_warnings) continue;
    s += "      " + std::string(c->name) + ") COMPREPLY=($(compgen -W '" + WarningOptions() +
         "' -- \"$cur\")) ;;\n";
  }
  s += "    esac\n"
       "    return\n"
       "  fi\n"
       "  if [[ $cur == -* ]]; then\n"
       "    case $command in\n";
  for (const CommandDefinition* c : Everything()) {
    s += "      " + (c->name.empty() ? std::string("''") : std::string(c->name)) +
         ") COMPREPLY=($(compgen -W '" + OptionWords(*c) + "' -- \"$cur\")) ;;\n";
  }
  s += "    esac\n"
       "    return\n"
       "  fi\n"
       "  case $command in\n"
       "    '') COMPREPLY=($(compgen -W '" +
       CommandNames() +
       "' -- \"$cur\")) ;;\n"
       "    dump) _percorso_files '*' ;;\n"
       "    help)\n"
       "      if ((${#arguments[@]} == 0)); then\n"
       "        COMPREPLY=($(compgen -W '" +
       CommandNames() +
       " keywords' -- \"$cur\"))\n"
       "      elif ((${#arguments[@]} == 1)) && [[ ${arguments[0]} == keywords ]]; then\n"
       "        COMPREPLY=($(compgen -W '" +
       KeywordNames() +
       "' -- \"$cur\"))\n"
       "      fi\n"
       "      ;;\n"
       "  esac\n"
       "}\n"
       "\n"
       "complete -F _percorso percorso\n";
  return s;
}

std::string FishCompletion() {
  std::string s =
      "# fish completion for percorso, written by its build from the table of its\n"
      "# commands and options.\n"
      "complete -c percorso -f\n";
  for (const CommandDefinition& c : AllCommands()) {
    s += "complete -c percorso -n __fish_use_subcommand -a " + std::string(c.name) + " -d " +
         Quoted(c.summary) + "\n";
  }
  for (const CommandDefinition* c : Everything()) {
    const std::string when = c->name.empty()
                                 ? std::string("__fish_use_subcommand")
                                 : "'__fish_seen_subcommand_from " + std::string(c->name) + "'";
    for (const OptionDefinition& o : c->options) {
      if (o.attached) continue;
      std::string line = "complete -c percorso -n " + when;
      if (o.short_name != 0) line += " -s " + std::string(1, o.short_name);
      if (!o.long_name.empty()) line += " -l " + std::string(o.long_name);
      if (!o.value.empty()) {
        line += " -r";
        if (IsPattern(o.completes)) {
          line += " -a " + Quoted("(__fish_complete_suffix " +
                                  std::string(o.completes.substr(o.completes.find('*') + 1)) + ")");
        } else if (!o.completes.empty()) {
          line += " -a " + Quoted(o.completes);
        } else if (o.value == "DIR") {
          line += " -a '(__fish_complete_directories)'";
        } else if (o.value == "FILE") {
          line += " -F";
        }
      }
      s += line + " -d " + Quoted(o.help) + "\n";
    }
    if (c->lists_warnings) {
      for (const WarningEntry& w : kWarningCatalogue) {
        s += "complete -c percorso -n " + when + " -o " + Quoted("Wno-" + std::string(w.name)) +
             " -d " + Quoted(w.summary) + "\n";
      }
    }
  }
  s += "complete -c percorso -n '__fish_seen_subcommand_from dump' -F\n"
       "complete -c percorso -n '__fish_seen_subcommand_from help; and not "
       "__fish_seen_subcommand_from keywords' -a " +
       Quoted(CommandNames() + " keywords") +
       "\n"
       "complete -c percorso -n '__fish_seen_subcommand_from keywords' -a " +
       Quoted(KeywordNames()) + "\n";
  return s;
}

}  // namespace percorso
