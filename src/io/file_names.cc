#include "io/file_names.h"

#include <algorithm>
#include <set>

#include "io/platform.h"

namespace percorso {
namespace {

// The one naming scheme, read in both directions: a line file is LINE + its
// suffix, a train file LINE + "_" + TRAIN + its suffix.
constexpr std::string_view kLineaTxt = "_linea.txt";
constexpr std::string_view kTrenoTxt = "-.txt";
constexpr std::string_view kLineaDat = "_linea.dat";
constexpr std::string_view kSim = ".sim";
constexpr std::string_view kDat = ".dat";
constexpr std::string_view kSchedaTreno = "_scheda_treno.txt";
constexpr std::string_view kRallentamenti = "_rallentamenti.txt";
constexpr std::string_view kNote = "_note.txt";

std::string Join(std::string_view a, std::string_view b) {
  std::string out(a);
  out += b;
  return out;
}

/// The part of `name` before `suffix` when `name` ends in it and has something
/// before it.
std::optional<std::string_view> StemOf(std::string_view name, std::string_view suffix) {
  if (name.size() <= suffix.size() || !name.ends_with(suffix)) return std::nullopt;
  return name.substr(0, name.size() - suffix.size());
}

// False, with the reason, when the last part of `path` cannot name a file
// there: no file system takes "", "." or "..".
bool CheckPathName(std::string_view path, std::string* reason) {
  const std::string_view name = BaseName(path);
  if (name.empty() || name == "." || name == "..") {
    *reason = "'" + std::string(name) + "' cannot name a file";
    return false;
  }
  return CheckFileName(DirName(path), name, reason);
}

}  // namespace

FileNames NameFiles(std::string_view dir, std::string_view line_key, std::string_view train_key) {
  std::string train = Join(line_key, "_") + std::string(train_key);
  FileNames n;
  n.linea_txt = JoinPath(dir, Join(line_key, kLineaTxt));
  n.treno_txt = JoinPath(dir, Join(train, kTrenoTxt));
  n.scheda_treno = JoinPath(dir, Join(train, kSchedaTreno));
  n.rallentamenti = JoinPath(dir, Join(train, kRallentamenti));
  n.note = JoinPath(dir, Join(train, kNote));
  n.linea_dat = JoinPath(dir, Join(line_key, kLineaDat));
  n.sim = JoinPath(dir, Join(train, kSim));
  n.dat = JoinPath(dir, Join(train, kDat));
  return n;
}

std::vector<std::string> EveryName(const FileNames& n) {
  return {n.linea_txt, n.treno_txt, n.scheda_treno, n.rallentamenti,
          n.note,      n.linea_dat, n.sim,          n.dat};
}

std::optional<CompiledFile> CompiledFileOfName(std::string_view path) {
  if (path.ends_with(kLineaDat)) return CompiledFile::kGeometry;
  if (path.ends_with(kSim)) return CompiledFile::kTable;
  if (path.ends_with(kDat)) return CompiledFile::kCells;
  return std::nullopt;
}

void KeysFromSourceNames(std::string_view line_file, std::string_view train_file,
                         std::optional<std::string>* line_key,
                         std::optional<std::string>* train_key) {
  if (!*line_key) {
    if (auto stem = StemOf(BaseName(line_file), kLineaTxt)) *line_key = std::string(*stem);
  }
  if (*train_key || !*line_key) return;
  std::optional<std::string_view> stem = StemOf(BaseName(train_file), kTrenoTxt);
  std::string prefix = **line_key + "_";
  if (stem && stem->size() > prefix.size() && stem->starts_with(prefix)) {
    *train_key = std::string(stem->substr(prefix.size()));
  }
}

bool CheckKey(std::string_view key, std::string* reason) {
  if (key.empty()) {
    *reason = "is empty";
    return false;
  }
  for (char c : key) {
    if (static_cast<unsigned char>(c) < 32 || c == 127) {
      *reason = "holds a control character";
      return false;
    }
  }
  if (key.find_first_of("/\\") != std::string_view::npos) {
    *reason = "holds a path separator";
    return false;
  }
  return true;
}

bool CheckFileNames(std::span<const std::string> paths, std::string* err) {
  std::string reason;
  for (const std::string& path : paths) {
    if (!CheckPathName(path, &reason)) {
      *err = path + ": not a possible file name: " + reason;
      return false;
    }
  }
  return true;
}

std::vector<ScenarioKeys> FindScenarios(const std::vector<std::string>& names) {
  std::set<std::string_view> present(names.begin(), names.end());
  std::vector<ScenarioKeys> found;
  for (const std::string& name : names) {
    std::optional<std::string_view> line = StemOf(name, kLineaDat);
    if (!line) continue;
    std::string prefix = Join(*line, "_");
    for (const std::string& other : names) {
      std::optional<std::string_view> table = StemOf(other, kSim);
      if (!table || table->size() <= prefix.size() || !table->starts_with(prefix)) continue;
      if (present.count(Join(*table, kDat)) == 0) continue;
      ScenarioKeys keys{std::string(*line), std::string(table->substr(prefix.size()))};
      // Names whose keys could not be given back to the program are no
      // scenario of its own.
      std::string ignored;
      if (!CheckKey(keys.line, &ignored) || !CheckKey(keys.train, &ignored)) continue;
      found.push_back(std::move(keys));
    }
  }
  std::sort(found.begin(), found.end(), [](const ScenarioKeys& a, const ScenarioKeys& b) {
    return a.line != b.line ? a.line < b.line : a.train < b.train;
  });
  return found;
}

}  // namespace percorso
