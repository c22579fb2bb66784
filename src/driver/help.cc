#include "driver/help.h"

#include <string>

namespace percorso {
namespace {

constexpr std::string_view kHelp =
    "percorso: scenario compiler for the train-driving simulator.\n"
    "\n"
    "Without a command it writes the built-in scenario (line Pianura_Crinale, train 2731):\n"
    "its crew documents and its three binary files, into the program's directory or DIR.\n"
    "\n"
    "Commands:\n"
    "  (none)     compile the built-in scenario\n"
    "  init       write the built-in line and train files, to start a scenario from\n"
    "  compile    compile your own line and train files; they are never changed\n"
    "  check      report every error and warning in your files; nothing is written\n"
    "  dump       print compiled files (.dat, .sim, _linea.dat) as text or JSON\n"
    "  view       draw a compiled scenario as one HTML page; with --line and --train,\n"
    "             compile those files in memory and draw them with the compile's messages\n"
    "  help       this text, or with a command's name that command's help\n"
    "\n"
    "Options:\n"
    "  --dir DIR          the directory to write into (compile: default the current one)\n"
    "  --wait SECONDS     wait at most this long for another run into DIR to finish\n"
    "                     (default: as long as it takes)\n"
    "  --help             this text; after a command, that command's help\n"
    "  --version          the program's version and the platform it was built for\n"
    "\n"
    "Diagnostics are printed as FILE:LINE:COL: error|warning|note: text; an error ends\n"
    "with [status N, position P m]. Colour on a terminal, never with NO_COLOR set.\n"
    "\n"
    "Exit status: 0 success; 1 a file could not be read or written, or a fatal header\n"
    "error; 2 a usage error or a missing input file; 3 the compile ended with a non-zero\n"
    "status, or check found an error (or, with --strict, a warning).\n"
    "\n"
    "'percorso help COMMAND' gives a command's options and an example.\n";

struct HelpText {
  std::string_view command;
  std::string_view text;
};

constexpr HelpText kCommandHelp[] = {
    {"init",
     "usage: percorso init [--dir DIR] [--force] [--wait SECONDS]\n"
     "\n"
     "Writes the built-in line and train files, Pianura_Crinale_linea.txt and\n"
     "Pianura_Crinale_2731-.txt, into DIR without compiling them: a working example to\n"
     "start a scenario from. A file that exists already is kept, unless --force.\n"
     "\n"
     "Options:\n"
     "  --dir DIR   where to write them (default: the current directory)\n"
     "  --force     replace line and train files that exist already\n"
     "  --wait S    wait at most S seconds for another run into DIR to finish\n"
     "\n"
     "Example:\n"
     "  percorso init --dir myline\n"},
    {"compile",
     "usage: percorso compile --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
     "                        [--dir DIR] [--no-geometry] [-w] [--wait SECONDS]\n"
     "\n"
     "Compiles your line and train files into the three binary files of the scenario,\n"
     "K_linea.dat, K_T.sim and K_T.dat, in DIR. Your files are never changed. A conflict\n"
     "still leaves what was compiled written; the error says where and why.\n"
     "\n"
     "Options:\n"
     "  --line FILE      the line description file\n"
     "  --train FILE     the train description file\n"
     "  --line-key K     the line key (default: from KEY_linea.txt)\n"
     "  --train-key K    the train key (default: from LINE_TRAIN-.txt)\n"
     "  --dir DIR        where to write (default: the current directory)\n"
     "  --no-geometry    no geometry file; curve lines are not processed\n"
     "  -w               no warnings\n"
     "  --wait S         wait at most S seconds for another run into DIR to finish\n"
     "\n"
     "Example:\n"
     "  percorso compile --line Pianura_Crinale_linea.txt --train Pianura_Crinale_2731-.txt\n"},
    {"check",
     "usage: percorso check --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
     "                      [--no-geometry] [--max-errors N] [--strict] [-w]\n"
     "\n"
     "Compiles your files in memory, writes nothing, and reports every error and warning\n"
     "it finds. The first error is the one compile reports; after it each entry that\n"
     "raises an error is left out and the reading goes on. Exit 3 when there is an\n"
     "error, 0 with warnings only.\n"
     "\n"
     "Options:\n"
     "  --line FILE       the line description file\n"
     "  --train FILE      the train description file\n"
     "  --line-key K      the line key (default: from the file name, or none)\n"
     "  --train-key K     the train key (default: from the file name, or none)\n"
     "  --no-geometry     as compile: curve lines are not processed\n"
     "  --max-errors N    stop after N errors (default 20; 0: no limit)\n"
     "  --strict          exit 3 on warnings too\n"
     "  -w                no warnings\n"
     "\n"
     "Example:\n"
     "  percorso check --line Pianura_Crinale_linea.txt --train Pianura_Crinale_2731-.txt\n"},
    {"dump",
     "usage: percorso dump [--json] [--every N] FILE...\n"
     "\n"
     "Prints compiled files as text: a cell file (.dat) one cell a line, empty cells\n"
     "folded into ranges; a table file (.sim) one slot a line; a geometry file\n"
     "(_linea.dat) as metre and coordinates.\n"
     "\n"
     "Options:\n"
     "  --json      JSON instead of text\n"
     "  --every N   every Nth metre of the geometry\n"
     "\n"
     "Example:\n"
     "  percorso dump Pianura_Crinale_2731.dat\n"},
    {"view",
     "usage: percorso view [--dir DIR] [-o FILE] [--line-key K] [--train-key K] [--wait S]\n"
     "       percorso view --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
     "                     [--dir DIR] [-o FILE]\n"
     "\n"
     "Draws the compiled scenario of DIR as one self-contained HTML page, K_T.html: the\n"
     "plan of the line and, on one kilometre axis, stations, signals, slowdowns, boards,\n"
     "speeds, gradients and tunnels. With --line and --train it compiles those files in\n"
     "memory and draws them with the compile's messages.\n"
     "\n"
     "Options:\n"
     "  --dir DIR        where the compiled files are, or where the page goes (default:\n"
     "                   the current directory)\n"
     "  --line FILE      the line description file to compile in memory\n"
     "  --train FILE     the train description file to compile in memory\n"
     "  -o FILE          the page to write; - for standard output\n"
     "  --line-key K     the line key (default: from the files in DIR)\n"
     "  --train-key K    the train key (default: from the files in DIR)\n"
     "  --wait S         wait at most S seconds for a run writing into DIR to finish\n"
     "\n"
     "Example:\n"
     "  percorso view --dir myline -o myline.html\n"},
    {"help",
     "usage: percorso help [COMMAND]\n"
     "\n"
     "Prints the program's help, or a command's synopsis, options and an example.\n"
     "\n"
     "Example:\n"
     "  percorso help check\n"},
};

// The synopsis of a command's help: its lines up to the first empty one.
std::string_view Synopsis(std::string_view help) {
  return help.substr(0, help.find("\n\n") + 1);
}

// Every command's synopsis under the one of the program without a command;
// the help command's also names the other ways to ask for help.
std::string BuildUsage() {
  std::string usage = "usage: percorso [--dir DIR] [--wait SECONDS]\n";
  constexpr std::string_view kLead = "usage: ";
  for (const HelpText& h : kCommandHelp) {
    std::string synopsis(Synopsis(h.text).substr(kLead.size()));
    if (h.command == "help")
      synopsis.insert(synopsis.size() - 1, " | COMMAND --help | --help | --version");
    usage += std::string(kLead.size(), ' ') + synopsis;
  }
  return usage;
}

}  // namespace

std::string_view UsageText() {
  static const std::string usage = BuildUsage();
  return usage;
}

std::string_view ProgramHelp() {
  return kHelp;
}

std::optional<std::string_view> CommandHelp(std::string_view command) {
  for (const HelpText& h : kCommandHelp) {
    if (h.command == command) return h.text;
  }
  return std::nullopt;
}

}  // namespace percorso
