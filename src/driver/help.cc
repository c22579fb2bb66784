#include "driver/help.h"

#include <vector>

#include "model/catalogue.h"
#include "model/grammar.h"

namespace percorso {
namespace {

// The files the shell offers for --line and --train: those of the scenario
// naming.
constexpr std::string_view kLineFiles = "*_linea.txt";
constexpr std::string_view kTrainFiles = "*-.txt";

const OptionDefinition kHelpOption{"help", 'h', "", "this help"};
const OptionDefinition kQuietOption{"quiet", 'q', "", "no status lines on standard error"};
const OptionDefinition kWaitOption{
    "wait", 0, "SECONDS",
    "wait at most this long for another run in the directory to finish "
    "(default: as long as it takes)"};
const OptionDefinition kLineKeyOption{"line-key", 0, "K",
                                      "the line key (default: from the file name KEY_linea.txt)"};
const OptionDefinition kTrainKeyOption{
    "train-key", 0, "K", "the train key (default: from the file name LINE_TRAIN-.txt)"};
const OptionDefinition kNoWarningsOption{"", 'w', "", "no warnings"};
const OptionDefinition kNoWarningOption{"", 'W', "no-NAME",
                                        "no warnings named NAME (listed below); -WNAME turns them "
                                        "on again",
                                        /*attached=*/true};
const OptionDefinition kFormatOption{
    "diagnostics-format",
    0,
    "FORMAT",
    "text (default), json, or sarif (SARIF 2.1.0), on standard error",
    false,
    "text json sarif"};
const OptionDefinition kColorOption{"color",
                                    0,
                                    "WHEN",
                                    "colour the diagnostics: auto (default: on a terminal, unless "
                                    "NO_COLOR is set or TERM is dumb), always or never",
                                    false,
                                    "auto always never"};

std::vector<CommandDefinition> BuildCommands() {
  std::vector<CommandDefinition> all;
  all.push_back(
      {"init",
       "write the built-in line and train files, to start a scenario from",
       {""},
       "Writes the built-in line and train files, Pianura_Crinale_linea.txt and\n"
       "Pianura_Crinale_2731-.txt, into DIR without compiling them: a working example to\n"
       "start a scenario from. A file that exists already is kept, unless --force.\n",
       {{"dir", 0, "DIR",
         "where to write them, created when missing (default: the current "
         "directory)"},
        {"force", 0, "", "replace line and train files that exist already"},
        kWaitOption,
        kQuietOption,
        kHelpOption},
       "percorso init --dir myline"});
  all.push_back(
      {"compile",
       "compile your own line and train files; they are never changed",
       {"--line LINEFILE --train TRAINFILE"},
       "Compiles your line and train files into the three binary files of the scenario,\n"
       "K_linea.dat, K_T.sim and K_T.dat, in DIR. Your files are never changed. A conflict\n"
       "still leaves what was compiled written; the error says where and why.\n",
       {{"line", 0, "FILE", "the line description file", false, kLineFiles},
        {"train", 0, "FILE", "the train description file", false, kTrainFiles},
        kLineKeyOption,
        kTrainKeyOption,
        {"dir", 0, "DIR",
         "where to write, created when missing (default: the current "
         "directory)"},
        {"no-geometry", 0, "", "no geometry file; curve lines are not processed"},
        {"verbose", 'v', "", "on success, say what was compiled (silent without it)"},
        kNoWarningsOption,
        kNoWarningOption,
        kFormatOption,
        kColorOption,
        kWaitOption,
        kQuietOption,
        kHelpOption},
       "percorso compile --line Pianura_Crinale_linea.txt \\\n    --train "
       "Pianura_Crinale_2731-.txt",
       true});
  all.push_back(
      {"check",
       "report every error and warning in your files; nothing is written but with --fix",
       {"--line LINEFILE --train TRAINFILE"},
       "Compiles your files in memory, writes nothing, and reports every error and warning\n"
       "it finds. The first error is the one compile reports; after it each entry that\n"
       "raises an error is left out and the reading goes on. Exit 3 when there is an\n"
       "error, 0 with warnings only; then one line on standard output says what was read.\n"
       "One of the files may be - for standard input. With --fix the fixes that the\n"
       "diagnostics carry (a misspelt keyword, a missing [fine], kilometres written for\n"
       "metres, ...) are made in your files, each replaced at once and kept as FILE~\n"
       "(unless --no-backup); a file with nothing to fix is left alone. Then the files\n"
       "are checked again and what is left is reported.\n",
       {{"line", 0, "FILE", "the line description file (- for standard input)", false, kLineFiles},
        {"train", 0, "FILE", "the train description file (- for standard input)", false,
         kTrainFiles},
        {"line-key", 0, "K", "the line key (default: from the file name, or none)"},
        {"train-key", 0, "K", "the train key (default: from the file name, or none)"},
        {"no-geometry", 0, "", "as compile: curve lines are not processed"},
        {"max-errors", 0, "N", "stop after N errors (default 20; 0: no limit)"},
        {"strict", 0, "", "exit 3 on warnings too"},
        {"fix", 0, "", "make the fixes of the diagnostics shown in your files, then check again"},
        {"no-backup", 0, "", "with --fix, keep no copy FILE~ of a file before fixing it"},
        kWaitOption,
        kNoWarningsOption,
        kNoWarningOption,
        kFormatOption,
        kColorOption,
        kHelpOption},
       "percorso check --line Pianura_Crinale_linea.txt \\\n    --train Pianura_Crinale_2731-.txt",
       true});
  all.push_back({"dump",
                 "print compiled files (.dat, .sim, _linea.dat) as text or JSON",
                 {"FILE..."},
                 "Prints compiled files as text: a cell file (.dat) one cell a line, empty cells\n"
                 "folded into ranges; a table file (.sim) one slot a line; a geometry file\n"
                 "(_linea.dat) as metre and coordinates. The kind of a file is told by its name;\n"
                 "for - (standard input) by its size and content, or by --kind.\n",
                 {{"json", 0, "", "JSON instead of text (docs/dump.schema.json)"},
                  {"every", 0, "N", "every Nth metre of the geometry"},
                  {"kind", 0, "KIND", "cells, table or geometry, whatever the names say", false,
                   "cells table geometry"},
                  kHelpOption},
                 "percorso dump Pianura_Crinale_2731.dat"});
  all.push_back(
      {"view",
       "draw a compiled scenario as one HTML page",
       {"", "--line LINEFILE --train TRAINFILE"},
       "Draws the compiled scenario of DIR as one self-contained HTML page, K_T.html: the\n"
       "plan of the line and, on one kilometre axis, stations, signals, slowdowns, boards,\n"
       "speeds, gradients and tunnels. With --line and --train it compiles those files in\n"
       "memory and draws them with the compile's messages.\n",
       {{"dir", 0, "DIR",
         "where the compiled files are (default: the current directory); with --line, where "
         "the page goes, created when missing"},
        {"line", 0, "FILE", "the line description file to compile in memory", false, kLineFiles},
        {"train", 0, "FILE", "the train description file to compile in memory", false, kTrainFiles},
        {"", 'o', "FILE", "the page to write; - for standard output"},
        {"line-key", 0, "K", "the line key (default: from the files in DIR)"},
        {"train-key", 0, "K", "the train key (default: from the files in DIR)"},
        {"editor", 0, "URL",
         "with --line, each FILE:LINE on the page opens the file in your editor at this "
         "address, {path} {line} {column} filled in, e.g. vscode://file{path}:{line}:{column} "
         "(docs/view.md)"},
        kWaitOption,
        kQuietOption,
        kHelpOption},
       "percorso view --dir myline -o myline.html"});
  all.push_back(
      {"lsp",
       "serve an editor: the language server protocol on standard input and output",
       {""},
       "Serves one editor over the language server protocol (JSON-RPC on standard input\n"
       "and output) until the editor ends it. A line file KEY_linea.txt is compiled with\n"
       "each train file KEY_TRAIN-.txt of its folder, as the editor holds them, in memory:\n"
       "errors and warnings appear as the author types. No file is written, but the page\n"
       "of the command percorso.view. Editors start it themselves (editors/ in the sources).\n",
       {kHelpOption},
       "percorso lsp"});
  all.push_back(
      {"help",
       "this text, or with a command's name that command's help",
       {"[COMMAND]", "keywords [KEYWORD]"},
       "Prints the program's help, or a command's usage, options and an example. With\n"
       "keywords it lists the keywords of the line and train files, section by section in\n"
       "the order of their tests, with their fields; with a keyword's name as well, that\n"
       "keyword's fields in the order they are read and what an odd value does.\n",
       {kHelpOption},
       "percorso help keywords stazione"});
  return all;
}

const std::vector<CommandDefinition>& Commands() {
  static const std::vector<CommandDefinition> commands = BuildCommands();
  return commands;
}

std::string UsageOf(const CommandDefinition& definition, std::string_view form) {
  std::string line = "percorso";
  if (!definition.name.empty()) line += " " + std::string(definition.name);
  line += " [OPTION]...";
  if (!form.empty()) line += " " + std::string(form);
  return line;
}

// The option as the help shows it: "-q, --quiet", "    --dir=DIR", "-o FILE".
std::string OptionTerm(const OptionDefinition& o) {
  std::string term;
  if (o.short_name != 0) {
    term = std::string{'-', o.short_name};
    if (!o.value.empty() && o.long_name.empty()) {
      term += (o.attached ? "" : " ") + std::string(o.value);
    }
    if (!o.long_name.empty()) term += ", ";
  } else {
    term = "    ";
  }
  if (!o.long_name.empty()) {
    term += "--" + std::string(o.long_name);
    if (!o.value.empty()) term += "=" + std::string(o.value);
  }
  return term;
}

std::string Columns(const std::string& term, std::string_view text) {
  constexpr size_t kColumn = 28;
  std::string line = "  " + term;
  if (line.size() + 2 > kColumn) {
    line += "\n";
    line += std::string(kColumn, ' ');
  } else {
    line += std::string(kColumn - line.size(), ' ');
  }
  // The text wrapped at word boundaries to 79 columns, under its column.
  constexpr size_t kWidth = 79;
  size_t used = kColumn;
  bool first_word = true;
  while (!text.empty()) {
    size_t end = text.find(' ');
    std::string_view word = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!first_word && used + 1 + word.size() > kWidth) {
      line += "\n" + std::string(kColumn, ' ');
      used = kColumn;
    } else if (!first_word) {
      line += ' ';
      ++used;
    }
    line += word;
    used += word.size();
    first_word = false;
  }
  return line + "\n";
}

// `text` with each paragraph (paragraphs apart by an empty line) filled to 79
// columns: the help fits a terminal of 80, whatever the lines of its source.
std::string Filled(std::string_view text) {
  constexpr size_t kWidth = 79;
  std::string out;
  size_t used = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      if (used > 0) out += '\n';
      out += '\n';
      used = 0;
      continue;
    }
    for (size_t at = 0; at < line.size();) {
      size_t space = line.find(' ', at);
      if (space == std::string_view::npos) space = line.size();
      std::string_view word = line.substr(at, space - at);
      at = space + 1;
      if (word.empty()) continue;
      if (used > 0 && used + 1 + word.size() > kWidth) {
        out += '\n';
        used = 0;
      }
      if (used > 0) {
        out += ' ';
        ++used;
      }
      out += word;
      used += word.size();
    }
  }
  if (used > 0) out += '\n';
  return out;
}

// A warning's line of the help: what it is about, and whether it is on
// without being asked for.
std::string WarningHelp(const WarningEntry& w) {
  std::string text(w.summary);
  if (!w.on_by_default) text += " (off unless -W" + std::string(w.name) + ")";
  return text;
}

std::string WarningList() {
  std::string list = "Warnings (each is named after its text, as [-Wmisspelt-keyword]):\n";
  for (const WarningEntry& w : kWarningCatalogue) {
    list += Columns(std::string(w.name), WarningHelp(w));
  }
  return list;
}

std::string_view SectionTitle(Grammar g) {
  switch (g) {
    case Grammar::kLineHeader:
      return "The header of the line file (from [generale] to the first field in brackets)";
    case Grammar::kLineBody:
      return "The body of the line file";
    case Grammar::kTrain:
      return "The train file (from [generale] on)";
  }
  return "";
}

// "name (L, m)": a field as the lists show it.
std::string FieldTerm(const FieldRule& f) {
  std::string term = std::string(f.name) + " (" + std::string(FieldKindLetter(f.kind));
  if (!f.unit.empty()) term += ", " + std::string(f.unit);
  return term + ")";
}

// A keyword's help and its fields, as the lists show them.
std::string Summary(const KeywordRule& k) {
  std::string fields;
  for (const FieldRule& f : k.fields) fields += (fields.empty() ? "" : ", ") + FieldTerm(f);
  return std::string(k.help) + " Fields: " + fields + ".";
}

// "the keyword field contains "frenata" and "massa"".
std::string Recognition(const KeywordRule& k) {
  std::string words = "\"" + std::string(k.words[0]) + "\"";
  if (!k.words[1].empty()) words += " and \"" + std::string(k.words[1]) + "\"";
  return "the keyword field contains " + words +
         (k.exact_case ? " in small letters" : ", letter case ignored");
}

// Roff text: backslashes and hyphens escaped, a leading dot or quote kept.
std::string Roff(std::string_view text) {
  std::string out;
  bool line_start = true;
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else if (line_start && (c == '.' || c == '\'')) {
      out += "\\&";
      out += c;
    } else {
      out += c;
    }
    line_start = c == '\n';
  }
  return out;
}

// Roff whose lines of filled text are broken at spaces into lines of at most
// 80 bytes, as the man page's lint asks; lines between .nf and .fi are kept.
std::string RoffLinesOf80(std::string_view roff) {
  constexpr size_t kBytes = 80;
  std::string out;
  bool no_fill = false;
  for (size_t start = 0; start < roff.size();) {
    size_t end = roff.find('\n', start);
    if (end == std::string_view::npos) end = roff.size();
    std::string_view line = roff.substr(start, end - start);
    start = end + 1;
    if (line == ".nf") no_fill = true;
    if (line == ".fi") no_fill = false;
    const bool text = !line.starts_with('.') && !line.starts_with('\'');
    while (text && !no_fill && line.size() > kBytes) {
      size_t space = line.rfind(' ', kBytes);
      while (space != std::string_view::npos && space > 0 && line[space - 1] == '\\') {
        space = line.rfind(' ', space - 1);
      }
      if (space == std::string_view::npos || space == 0) break;
      out += std::string(line.substr(0, space)) + "\n";
      line = line.substr(space + 1);
      // A broken line that starts with a dot or a quote is text, not a request.
      if (line.starts_with('.') || line.starts_with('\'')) out += "\\&";
    }
    out += std::string(line) + "\n";
  }
  return out;
}

std::string RoffOption(const OptionDefinition& o) {
  std::string term;
  if (o.short_name != 0) {
    term = "\\fB\\-" + std::string(1, o.short_name) + "\\fR";
    if (!o.value.empty() && o.long_name.empty()) {
      term += (o.attached ? "\\fB" + Roff(o.value.substr(0, o.value.find('-') + 1)) + "\\fR\\fI" +
                                Roff(o.value.substr(o.value.find('-') + 1)) + "\\fR"
                          : " \\fI" + Roff(o.value) + "\\fR");
    }
    if (!o.long_name.empty()) term += ", ";
  }
  if (!o.long_name.empty()) {
    term += "\\fB\\-\\-" + Roff(o.long_name) + "\\fR";
    if (!o.value.empty()) term += "=\\fI" + Roff(o.value) + "\\fR";
  }
  return ".TP\n" + term + "\n" + Roff(o.help) + "\n";
}

}  // namespace

const CommandDefinition& DefaultRunDefinition() {
  static const CommandDefinition definition{
      "",
      "compile the built-in scenario",
      {""},
      "Without a command percorso writes the built-in scenario (line Pianura_Crinale,\n"
      "train 2731): its crew documents and its three binary files, into the program's\n"
      "directory or DIR. It prints \"Attendere\" while it works.\n",
      {{"dir", 0, "DIR", "where to write, created when missing (default: the program's directory)"},
       kWaitOption,
       {"quiet", 'q', "", "no status lines on standard error (\"Attendere\" stays)"},
       kHelpOption,
       {"version", 0, "", "the version, the platform it was built for, and the licence"}},
      "percorso --dir scenario"};
  return definition;
}

const std::vector<CommandDefinition>& AllCommands() {
  return Commands();
}

const CommandDefinition* FindCommand(std::string_view name) {
  for (const CommandDefinition& c : Commands()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::string UsageLines() {
  std::string lines;
  const CommandDefinition& run = DefaultRunDefinition();
  lines += UsageOf(run, run.forms[0]) + "\n";
  for (const CommandDefinition& c : Commands()) {
    for (std::string_view form : c.forms) lines += UsageOf(c, form) + "\n";
  }
  return lines;
}

std::string CommandHelp(const CommandDefinition& definition) {
  std::string help;
  for (size_t i = 0; i < definition.forms.size(); ++i) {
    help += std::string(i == 0 ? "usage: " : "       ") + UsageOf(definition, definition.forms[i]) +
            "\n";
  }
  help += "\n" + Filled(definition.description) + "\nOptions:\n";
  for (const OptionDefinition& o : definition.options) help += Columns(OptionTerm(o), o.help);
  if (definition.lists_warnings) help += "\n" + WarningList();
  // An example of more than one line goes on under its first.
  std::string example(definition.example);
  for (size_t at = example.find('\n'); at != std::string::npos; at = example.find('\n', at + 3)) {
    example.insert(at + 1, "  ");
  }
  help += "\nExample:\n  " + example + "\n";
  return help;
}

std::string ProgramHelp() {
  const CommandDefinition& run = DefaultRunDefinition();
  std::string help = "usage: " + UsageOf(run, "") + "\n       percorso COMMAND [OPTION]...\n\n";
  help += "percorso: scenario compiler for the train-driving simulator.\n\n" +
          Filled(run.description) + "\nCommands:\n";
  for (const CommandDefinition& c : Commands()) help += Columns(std::string(c.name), c.summary);
  help += "\nOptions:\n";
  for (const OptionDefinition& o : run.options) help += Columns(OptionTerm(o), o.help);
  help += Filled(
      "\n"
      "Diagnostics are printed as FILE:LINE:COL: error|warning|note: text, with the source\n"
      "line and a caret under the column; an error ends with [status N, position P m], a\n"
      "warning with its name. Colour on a terminal, never with NO_COLOR set or TERM=dumb.\n"
      "\n"
      "Exit status: 0 success; 1 a file could not be read or written (standard output\n"
      "too), or a fatal header error; 2 a usage error, a missing input file or an output\n"
      "that is an input; 3 the compile ended with a non-zero status, or check found an\n"
      "error (or, with --strict, a warning).\n"
      "\n"
      "'percorso help COMMAND' gives a command's options and an example, 'percorso help\n"
      "keywords' the keywords of the source files; the man pages percorso(1) and\n"
      "percorso-format(5) the whole reference.\n");
  return help;
}

std::string KeywordsHelp() {
  std::string help = Filled(
      "The keywords of the source files. A keyword is recognised when the keyword field\n"
      "contains its words anywhere; every test that matches takes its fields, in the\n"
      "order below. Field kinds: L 32-bit integer, I 16-bit integer, B 0 to 255, T text.\n");
  for (Grammar g : {Grammar::kLineHeader, Grammar::kLineBody, Grammar::kTrain}) {
    help += "\n" + std::string(SectionTitle(g)) + ":\n";
    for (const KeywordRule& k : KeywordsOf(g)) {
      help += Columns(std::string(k.name), Summary(k));
    }
  }
  help += "\n" + Filled(
                     "'percorso help keywords KEYWORD' gives one keyword's fields and what an "
                     "odd value\n"
                     "does; percorso-format(5) the whole grammar.\n");
  return help;
}

const KeywordRule* FindKeyword(std::string_view name) {
  for (const KeywordRule& k : Keywords()) {
    if (k.name == name || k.written == name) return &k;
  }
  return nullptr;
}

std::string KeywordHelp(const KeywordRule& k) {
  std::string help = Filled(std::string(k.name) + ": " + std::string(k.help) + "\n");
  help += Columns("section", SectionTitle(k.section));
  help += Columns("recognised when", Recognition(k));
  help += Columns("written as", "'" + std::string(k.written) + "'");
  help += "\nFields, in the order they are read:\n";
  for (size_t i = 0; i < k.fields.size(); ++i) {
    const std::string term = std::to_string(i + 1) + ". " + FieldTerm(k.fields[i]);
    help += k.fields[i].odd.empty() ? "  " + term + "\n" : Columns(term, k.fields[i].odd);
  }
  return help;
}

std::string TryHelp(const CommandDefinition& definition) {
  std::string command = definition.name.empty() ? "" : " " + std::string(definition.name);
  return "Try 'percorso" + command + " --help' for more information.\n";
}

std::string VersionText() {
  return std::string("percorso ") + PERCORSO_VERSION + " (" + PERCORSO_PLATFORM +
         ")\n"
         "Copyright (C) 2026 the percorso authors.\n"
         "MIT License: you may use, copy, change and share it; there is NO WARRANTY.\n";
}

std::string ManPage(std::string_view date) {
  std::string m = ".TH PERCORSO 1 " + std::string(date) +
                  " \"percorso " PERCORSO_VERSION
                  "\" \"User Commands\"\n"
                  ".SH NAME\n"
                  "percorso \\- scenario compiler for a train\\-driving simulator\n"
                  ".SH SYNOPSIS\n";
  std::string usage = UsageLines();
  for (size_t start = 0; start < usage.size();) {
    size_t end = usage.find('\n', start);
    m += ".nf\n" + Roff(usage.substr(start, end - start)) + "\n.fi\n";
    start = end + 1;
  }
  const CommandDefinition& run = DefaultRunDefinition();
  m += ".SH DESCRIPTION\n" + Roff(run.description) + ".SS Options\n";
  for (const OptionDefinition& o : run.options) m += RoffOption(o);
  m += ".SH COMMANDS\n";
  for (const CommandDefinition& c : Commands()) {
    m += ".SS " + Roff(c.name) + "\n";
    for (std::string_view form : c.forms) m += ".nf\n" + Roff(UsageOf(c, form)) + "\n.fi\n";
    m += ".PP\n" + Roff(c.description);
    for (const OptionDefinition& o : c.options) m += RoffOption(o);
    std::string example = Roff(c.example);
    for (size_t at = example.find('\n'); at != std::string::npos; at = example.find('\n', at + 5)) {
      example.insert(at + 1, "    ");
    }
    m += ".PP\nExample:\n.nf\n    " + example + "\n.fi\n";
  }
  m += ".SH WARNINGS\nEach warning is named after its text, as [\\-Wmisspelt\\-keyword];\n"
       "\\fB\\-Wno\\-\\fR\\fINAME\\fR leaves out the warnings of that name, \\fB\\-w\\fR all of "
       "them.\n";
  for (const WarningEntry& w : kWarningCatalogue) {
    m += ".TP\n\\fB" + Roff(w.name) + "\\fR\n" + Roff(WarningHelp(w)) + "\n";
  }
  m += ".SH KEYWORDS\n" +
       Roff(
           "A keyword is recognised when the keyword field contains its words anywhere;\n"
           "every test that matches takes its fields, in the order below. Field kinds: L\n"
           "32-bit integer, I 16-bit integer, B 0 to 255, T text.\n");
  for (Grammar g : {Grammar::kLineHeader, Grammar::kLineBody, Grammar::kTrain}) {
    m += ".SS \"" + Roff(SectionTitle(g)) + "\"\n";
    for (const KeywordRule& k : KeywordsOf(g)) {
      m += ".TP\n\\fB" + Roff(k.name) + "\\fR\n" + Roff(Summary(k)) + "\n";
    }
  }
  m += ".SH DIAGNOSTICS\n";
  m += Roff(
      "Diagnostics take one form, FILE:LINE:COL: error|warning|note: text, followed by the\n"
      "source line with a caret under the column; an error that stored a status ends with\n"
      "[status N, position P m]. Status lines (\"wrote FILE\", waiting for another run) go to\n"
      "standard error and -q leaves them out.\n");
  m += ".SH \"EXIT STATUS\"\n"
       ".TP\n0\nsuccess\n"
       ".TP\n1\na file could not be read, written or replaced (the message names it), standard "
       "output could not be written, \\-\\-dir names no directory, an unfinished commit left "
       "in the directory could be neither completed nor rolled back, or a fatal header error "
       "(\" Errore n. 1250\" or \" Errore n. 1251\")\n"
       ".TP\n2\na usage error, a key that cannot name files, a missing input file of "
       "compile or check, or an output that is the same file as an input\n"
       ".TP\n3\nthe compile ended with a non\\-zero status or found no route length; for check: "
       "an error was found, or with \\-\\-strict a warning\n"
       ".TP\n129, 130, 143\ninterrupted by SIGHUP, SIGINT or SIGTERM; the run's temporaries are "
       "removed and the old files kept\n"
       ".SH ENVIRONMENT\n"
       ".TP\nNO_COLOR\nwhen set and not empty, diagnostics are never coloured unless "
       "\\-\\-color=always\n"
       ".TP\nTERM\nwhen \\(lqdumb\\(rq, diagnostics are not coloured unless \\-\\-color=always\n"
       ".SH FILES\n"
       "With the line key \\fIL\\fR and the train key \\fIT\\fR: \\fIL\\fR_linea.txt and "
       "\\fIL\\fR_\\fIT\\fR\\-.txt, the line and train sources; "
       "\\fIL\\fR_\\fIT\\fR_scheda_treno.txt, \\fIL\\fR_\\fIT\\fR_rallentamenti.txt and "
       "\\fIL\\fR_\\fIT\\fR_note.txt, the crew documents; \\fIL\\fR_linea.dat, the geometry of "
       "the line; \\fIL\\fR_\\fIT\\fR.sim, the scenario table; \\fIL\\fR_\\fIT\\fR.dat, the "
       "route cells.\n"
       ".SH COPYRIGHT\n"
       "Copyright (C) 2026 the percorso authors. MIT License.\n"
       ".SH \"SEE ALSO\"\n"
       "\\fBpercorso\\-format\\fR(5), the source files and the compiled files;\n"
       "README.md in the program's documentation directory.\n";
  return RoffLinesOf80(m);
}

}  // namespace percorso
