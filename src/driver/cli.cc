#include "driver/cli.h"

#include <optional>
#include <string_view>

#include "compiler/windows1252.h"
#include "driver/compile_driver.h"
#include "driver/disk_sources.h"
#include "driver/file_names.h"
#include "driver/platform.h"
#include "driver/run.h"

namespace percorso {
namespace {

constexpr std::string_view kUsage =
    "usage: percorso [--dir DIR]\n"
    "       percorso compile --line LINEFILE --train TRAINFILE [--line-key K] [--train-key K]\n"
    "                        [--dir DIR] [--no-geometry]\n"
    "       percorso --help | --version\n";

constexpr std::string_view kHelp =
    "percorso: scenario compiler for the train-driving simulator.\n"
    "\n"
    "Without a command it writes the built-in scenario (line Pianura_Crinale, train 2731):\n"
    "its crew documents and its three binary files, into the program's directory or DIR.\n"
    "\n"
    "Commands:\n"
    "  (none)             the built-in scenario, compiled\n"
    "  compile            compile your own line and train files; they are never changed\n"
    "\n"
    "Options:\n"
    "  --dir DIR          write the files into DIR\n"
    "  --line FILE        (compile) the line description file\n"
    "  --train FILE       (compile) the train description file\n"
    "  --line-key K       (compile) the line key; default: from NAME_linea.txt\n"
    "  --train-key K      (compile) the train key; default: from LINE_TRAIN-.txt\n"
    "  --no-geometry      (compile) no geometry file; curve lines are not processed\n"
    "  --help             this text\n"
    "  --version          the program's version\n"
    "\n"
    "Exit status: 0 success; 1 a file could not be written or a fatal header error;\n"
    "2 a usage error or a missing input file; 3 the compile ended with a non-zero status.\n";

int UsageError(std::ostream& err, const std::string& message) {
  err << "percorso: " << message << "\n" << kUsage;
  return kExitUsage;
}

/// Options given as "--name VALUE"; flags as "--name".
struct Options {
  std::string command;
  std::optional<std::string> dir;
  std::optional<std::string> line;
  std::optional<std::string> train;
  std::optional<std::string> line_key;
  std::optional<std::string> train_key;
  bool no_geometry = false;
  bool help = false;
  bool version = false;
};

bool ParseOptions(const std::vector<std::string>& args, Options* o, std::string* err) {
  size_t i = 0;
  if (!args.empty() && !args[0].starts_with("-")) o->command = args[i++];
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::optional<std::string>* target) {
      if (i + 1 >= args.size()) {
        *err = "option " + a + " needs a value";
        return false;
      }
      *target = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      o->help = true;
    } else if (a == "--version") {
      o->version = true;
    } else if (a == "--dir") {
      if (!value(&o->dir)) return false;
    } else if (a == "--line" && o->command == "compile") {
      if (!value(&o->line)) return false;
    } else if (a == "--train" && o->command == "compile") {
      if (!value(&o->train)) return false;
    } else if (a == "--line-key" && o->command == "compile") {
      if (!value(&o->line_key)) return false;
    } else if (a == "--train-key" && o->command == "compile") {
      if (!value(&o->train_key)) return false;
    } else if (a == "--no-geometry" && o->command == "compile") {
      o->no_geometry = true;
    } else {
      *err = "unknown option: " + a;
      return false;
    }
  }
  return true;
}

/// A key as given on the command line (UTF-8), as Windows-1252 bytes.
bool CheckKey(const std::string& what, const std::string& key, std::string* bytes,
              std::string* err) {
  if (key.find('/') != std::string::npos || key.find('\\') != std::string::npos) {
    *err = what + " '" + key + "' holds a path separator";
    return false;
  }
  std::optional<std::string> converted = Windows1252FromUtf8(key);
  if (!converted) {
    *err = what + " '" + key + "' holds a character outside Windows-1252";
    return false;
  }
  *bytes = *converted;
  return true;
}

/// The keys from the scenario file names: LINE_linea.txt and LINE_TRAIN-.txt.
void KeysFromNames(const std::string& line_file, const std::string& train_file,
                   std::optional<std::string>* line_key, std::optional<std::string>* train_key) {
  std::string_view line_base = BaseName(line_file);
  constexpr std::string_view kLineSuffix = "_linea.txt";
  if (!*line_key && line_base.size() > kLineSuffix.size() && line_base.ends_with(kLineSuffix)) {
    *line_key = std::string(line_base.substr(0, line_base.size() - kLineSuffix.size()));
  }
  std::string_view train_base = BaseName(train_file);
  constexpr std::string_view kTrainSuffix = "-.txt";
  if (!*train_key && *line_key && train_base.ends_with(kTrainSuffix)) {
    std::string prefix = **line_key + "_";
    size_t end = train_base.size() - kTrainSuffix.size();
    if (train_base.starts_with(prefix) && end > prefix.size()) {
      *train_key = std::string(train_base.substr(prefix.size(), end - prefix.size()));
    }
  }
}

int Compile(const Options& o, Disk& disk, std::ostream& err) {
  if (!o.line || !o.train) return UsageError(err, "compile needs --line and --train");
  for (const std::string* path : {&*o.line, &*o.train}) {
    FileInfo info = disk.Stat(*path);
    if (info.kind == FileKind::kMissing) {
      err << "percorso: " << *path << ": no such file\n";
      return kExitUsage;
    }
    if (info.kind == FileKind::kDirectory) {
      err << "percorso: " << *path << ": is a directory, not a source file\n";
      return kExitUsage;
    }
  }
  std::optional<std::string> line_key = o.line_key;
  std::optional<std::string> train_key = o.train_key;
  KeysFromNames(*o.line, *o.train, &line_key, &train_key);
  if (!line_key) {
    return UsageError(err, "no line key: give --line-key, or name the line file KEY_linea.txt");
  }
  if (!train_key) {
    return UsageError(err,
                      "no train key: give --train-key, or name the train file LINE_TRAIN-.txt");
  }
  Scenario s;
  std::string message;
  if (!CheckKey("line key", *line_key, &s.line_key, &message) ||
      !CheckKey("train key", *train_key, &s.train_key, &message)) {
    return UsageError(err, message);
  }
  std::string dir = o.dir.value_or(".");
  FileNames names = NameFiles(dir, s.line_key, s.train_key);
  DiskSourceFiles sources(disk, *o.line, *o.train, /*delete_after_reading=*/false);
  CompileReport report = memorizza_percorso(s, o.no_geometry ? 0 : 1, sources, disk, names);
  return ReportCompile(s, report, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const std::string& program_dir,
                   Disk& disk, std::ostream& out, std::ostream& err) {
  Options o;
  std::string message;
  if (!ParseOptions(args, &o, &message)) return UsageError(err, message);
  if (o.help) {
    out << kHelp;
    return kExitOk;
  }
  if (o.version) {
    out << "percorso " << PERCORSO_VERSION << "\n";
    return kExitOk;
  }
  if (o.command.empty()) {
    std::string dir = o.dir.value_or(program_dir);
    if (dir.empty()) {
      err << "percorso: cannot tell the program's directory; give --dir DIR\n";
      return kExitFailure;
    }
    FileInfo info = disk.Stat(dir);
    if (info.kind != FileKind::kDirectory) {
      err << "percorso: " << dir << ": not a directory\n";
      return kExitFailure;
    }
    return Form_Load(disk, dir, out, err);
  }
  if (o.command == "compile") return Compile(o, disk, err);
  return UsageError(err, "unknown command: " + o.command);
}

}  // namespace percorso
