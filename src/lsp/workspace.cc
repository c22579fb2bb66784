#include "lsp/workspace.h"

#include <algorithm>
#include <utility>

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "inspect/text_out.h"
#include "inspect/view_features.h"
#include "inspect/view_page.h"
#include "io/fresh_file.h"
#include "io/locked_dir.h"
#include "io/platform.h"
#include "io/read_file.h"
#include "model/status.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

constexpr std::string_view kLineSuffix = "_linea.txt";
constexpr std::string_view kTrainSuffix = "-.txt";
/// The largest file of a pair read from the disk.
constexpr uint64_t kMaxSourceBytes = 256ull << 20;

// Seconds the page command waits for a run that writes into the folder.
constexpr double kPageLockWait = 30;
/// What a line file is compiled with when no train file is beside it.
constexpr std::string_view kNoTrain = "[generale]\r\n[fine]\r\n";

/// The pair's two texts, named by their paths, as the compiler reads them.
class PairSources : public SourceFiles {
 public:
  PairSources(std::string line_name, std::string line, std::string train_name, std::string train)
      : names_{std::move(line_name), std::move(train_name)},
        texts_{std::move(line), std::move(train)} {}
  std::string Name(Source which) const override { return names_[Index(which)]; }
  bool Exists(Source) override { return true; }
  SourceText Read(Source which) override { return {true, texts_[Index(which)], ""}; }
  bool Delete(Source, std::string*) override { return true; }

 private:
  static size_t Index(Source which) { return which == Source::kLinea ? 0 : 1; }
  std::string names_[2];
  std::string texts_[2];
};

/// A key of a file name as the model holds it, in the code page.
std::string ModelKey(const std::string& key) {
  return Windows1252FromUtf8(key).value_or(key);
}

std::string LineKeyOf(const std::string& line_path) {
  std::string_view base = BaseName(line_path);
  return std::string(base.substr(0, base.size() - kLineSuffix.size()));
}

/// The train key of `train_path` beside the line key `line_key`.
std::string TrainKeyOf(const std::string& train_path, const std::string& line_key) {
  std::string_view base = BaseName(train_path);
  size_t from = line_key.size() + 1;
  if (base.size() < from + kTrainSuffix.size()) return "";
  return std::string(base.substr(from, base.size() - from - kTrainSuffix.size()));
}

bool IsTrainOf(std::string_view base, const std::string& line_key) {
  return base.size() > line_key.size() + 1 + kTrainSuffix.size() &&
         base.starts_with(line_key + "_") && base.ends_with(kTrainSuffix);
}

/// `name` in the folder `dir`, joined by "/", which the file names of every
/// platform take: the paths of one folder then have one form, whether they
/// came from the editor's URIs or from a listing of the folder.
std::string InFolder(const std::string& dir, std::string_view name) {
  if (!dir.empty() && (dir.back() == '/' || dir.back() == '\\')) return dir + std::string(name);
  return dir + "/" + std::string(name);
}

// The line file of the train file `base` among the `names` of its folder
// `dir`: the longest line key that starts the train's name ("A_B_linea.txt"
// over "A_linea.txt" for "A_B_7-.txt"); empty when none.
std::string LineAmong(const std::string& dir, std::string_view base,
                      const std::vector<std::string>& names) {
  std::string best;
  for (const std::string& name : names) {
    if (name.size() <= kLineSuffix.size() || !name.ends_with(kLineSuffix)) continue;
    std::string key = name.substr(0, name.size() - kLineSuffix.size());
    if (IsTrainOf(base, key) && key.size() > best.size()) best = key;
  }
  return best.empty() ? "" : InFolder(dir, best + std::string(kLineSuffix));
}

Diagnostic FileNote(const std::string& path, std::string text) {
  Diagnostic d;
  d.severity = Severity::kWarning;
  d.where = {path, 1, 1};
  d.text = std::move(text);
  return d;
}

void AddOnce(std::vector<Diagnostic>* to, const Diagnostic& d) {
  if (std::find(to->begin(), to->end(), d) == to->end()) to->push_back(d);
}

}  // namespace

void Workspace::SetText(const std::string& path, std::string text) {
  open_[path] = Document::FromEditor(std::move(text));
}

void Workspace::Close(const std::string& path) {
  open_.erase(path);
  read_.erase(path);
}

SourceRole Workspace::RoleOf(const std::string& path) const {
  std::string_view base = BaseName(path);
  if (base.size() > kLineSuffix.size() && base.ends_with(kLineSuffix)) return SourceRole::kLine;
  if (base.ends_with(kTrainSuffix)) return SourceRole::kTrain;
  return SourceRole::kOther;
}

const Document* Workspace::Find(const std::string& path) const {
  if (auto it = open_.find(path); it != open_.end()) return &it->second;
  if (auto it = read_.find(path); it != read_.end()) return &it->second;
  return nullptr;
}

const Document* Workspace::Load(const std::string& path, std::string* err) {
  if (auto it = open_.find(path); it != open_.end()) return &it->second;
  std::string bytes;
  if (ReadRegularFile(disk_, path, kMaxSourceBytes, &bytes, err) != ReadStatus::kOk) {
    read_.erase(path);
    return nullptr;
  }
  return &(read_[path] = Document::FromDisk(std::move(bytes)));
}

std::vector<std::string> Workspace::NamesInFolder(const std::string& dir) const {
  std::vector<std::string> names;
  std::string err;
  disk_.ListDirectory(dir, &names, &err);
  for (const auto& [path, doc] : open_) {
    if (DirName(path) == dir) names.emplace_back(BaseName(path));
  }
  return names;
}

std::string Workspace::LineOfTrain(const std::string& train) const {
  const std::string dir = DirName(train);
  return LineAmong(dir, BaseName(train), NamesInFolder(dir));
}

std::vector<std::string> Workspace::TrainsOfLine(const std::string& line) const {
  std::string dir = DirName(line);
  std::string key = LineKeyOf(line);
  const std::vector<std::string> names = NamesInFolder(dir);
  std::vector<std::string> trains;
  for (const std::string& name : names) {
    if (!IsTrainOf(name, key)) continue;
    // A train of a longer line key beside it belongs to that line.
    if (LineAmong(dir, name, names) != line) continue;
    trains.push_back(InFolder(dir, name));
  }
  std::sort(trains.begin(), trains.end());
  trains.erase(std::unique(trains.begin(), trains.end()), trains.end());
  return trains;
}

Workspace::PairResult Workspace::CompilePair(const std::string& line, const std::string& train) {
  PairResult result{line, train, {}, {}};
  std::string err;
  const Document* line_doc = Load(line, &err);
  if (line_doc == nullptr) {
    if (!train.empty()) result.diagnostics.push_back(FileNote(train, "its line file: " + err));
    return result;
  }
  std::string train_text(kNoTrain);
  if (!train.empty()) {
    const Document* train_doc = Load(train, &err);
    if (train_doc == nullptr) {
      result.diagnostics.push_back(FileNote(line, "its train file: " + err));
      return result;
    }
    train_text = train_doc->bytes();
    // (Load may have moved the line's document; look it up again.)
    line_doc = Find(line);
  }
  const std::string line_key = LineKeyOf(line);
  const std::string train_key = train.empty() ? "" : TrainKeyOf(train, line_key);
  PairSources sources(line, line_doc->bytes(), train.empty() ? "" : train, train_text);
  CompileOutcome checked =
      CheckScenario(ModelKey(line_key), ModelKey(train_key), /*with_geometry=*/true, sources);
  for (Diagnostic& d : checked.diagnostics) {
    // Without a train file, what the stand-in gives is nobody's concern.
    if (train.empty() && d.where.file.empty() && d.severity == Severity::kWarning) continue;
    if (d.where.file.empty()) d.where.file = line;
    result.diagnostics.push_back(std::move(d));
  }
  Scenario s;
  s.line_key = ModelKey(line_key);
  s.train_key = ModelKey(train_key);
  memorizza_percorso(s, /*with_geometry=*/true, sources, &result.entries);
  return result;
}

std::vector<FileDiagnostics> Workspace::Analyse(const std::string& path) {
  std::vector<std::string> touched{path};
  switch (RoleOf(path)) {
    case SourceRole::kLine: {
      std::vector<std::string> trains = TrainsOfLine(path);
      std::erase_if(pairs_, [&](const auto& p) { return p.second.line == path; });
      if (trains.empty()) {
        pairs_[path] = CompilePair(path, "");
      }
      for (const std::string& t : trains) {
        pairs_[t] = CompilePair(path, t);
        touched.push_back(t);
      }
      alone_.erase(path);
      break;
    }
    case SourceRole::kTrain: {
      std::string line = LineOfTrain(path);
      if (line.empty()) {
        pairs_.erase(path);
        alone_[path] = {FileNote(
            path,
            "no line file beside this train file: a train file LINE_TRAIN-.txt is compiled "
            "with LINE_linea.txt of its folder")};
        break;
      }
      alone_.erase(path);
      pairs_[path] = CompilePair(line, path);
      touched.push_back(line);
      // The line file's own diagnostics come from its compile with each train.
      break;
    }
    case SourceRole::kOther: {
      alone_[path] = {FileNote(path,
                               "not named as a source file: a line file is named "
                               "LINE_linea.txt and a train file LINE_TRAIN-.txt, in one folder")};
      break;
    }
  }
  // Every file that any pair speaks of, and every file spoken of before.
  std::set<std::string> files(touched.begin(), touched.end());
  for (const auto& [key, pair] : pairs_) {
    for (const Diagnostic& d : pair.diagnostics) files.insert(d.where.file);
  }
  files.insert(published_.begin(), published_.end());
  std::vector<FileDiagnostics> out;
  std::set<std::string> now;
  for (const std::string& file : files) {
    if (file.empty()) continue;
    FileDiagnostics fd{file, DiagnosticsOf(file)};
    if (!fd.diagnostics.empty()) now.insert(file);
    // A file is told again only when it has something or had something.
    if (fd.diagnostics.empty() && !published_.contains(file) &&
        std::find(touched.begin(), touched.end(), file) == touched.end()) {
      continue;
    }
    out.push_back(std::move(fd));
  }
  published_ = std::move(now);
  return out;
}

std::vector<Diagnostic> Workspace::DiagnosticsOf(const std::string& path) const {
  std::vector<Diagnostic> out;
  if (auto it = alone_.find(path); it != alone_.end()) out = it->second;
  for (const auto& [key, pair] : pairs_) {
    for (const Diagnostic& d : pair.diagnostics) {
      if (d.where.file == path) AddOnce(&out, d);
    }
  }
  return out;
}

std::vector<SourceEntry> Workspace::EntriesOf(const std::string& path) const {
  std::vector<SourceEntry> out;
  for (const auto& [key, pair] : pairs_) {
    if (pair.line != path && pair.train != path) continue;
    for (const SourceEntry& e : pair.entries) {
      if (e.place.file == path) out.push_back(e);
    }
    // The line's entries are the same in every pair.
    if (pair.line == path) break;
  }
  return out;
}

std::optional<std::string> Workspace::ViewPage(const std::string& path, std::string* err) {
  std::string line = path, train;
  if (RoleOf(path) == SourceRole::kTrain) {
    train = path;
    line = LineOfTrain(path);
    if (line.empty()) {
      *err = path + ": no line file beside it";
      return std::nullopt;
    }
  } else if (RoleOf(path) == SourceRole::kLine) {
    std::vector<std::string> trains = TrainsOfLine(path);
    if (trains.empty()) {
      *err = path + ": no train file beside it";
      return std::nullopt;
    }
    train = trains.front();
  } else {
    *err = path + ": not a line or train file";
    return std::nullopt;
  }
  const Document* line_doc = Load(line, err);
  if (line_doc == nullptr) return std::nullopt;
  const Document* train_doc = Load(train, err);
  if (train_doc == nullptr) return std::nullopt;
  line_doc = Find(line);
  const std::string line_key = LineKeyOf(line);
  const std::string train_key = TrainKeyOf(train, line_key);
  PairSources sources(line, line_doc->bytes(), train, train_doc->bytes());
  Scenario s;
  s.line_key = ModelKey(line_key);
  s.train_key = ModelKey(train_key);
  std::vector<SourceEntry> records;
  CompileOutcome outcome = memorizza_percorso(s, /*with_geometry=*/true, sources, &records);
  ViewScenario v = ViewOfModel(s, std::move(records));
  v.diagnostics = PageDiagnostics(outcome.diagnostics);
  std::string page_path = InFolder(DirName(line), line_key + "_" + train_key + ".html");
  // The page is written as every run writes into a directory: under its
  // lock, so that a compile there neither waits on half a page nor takes the
  // page's temporary for one left by a run that ended. An editor is not kept
  // waiting long.
  DirectoryLock lock;
  LockWait wait;
  wait.seconds = kPageLockWait;
  page_notice_.clear();
  wait.on_recovery = [this](const std::string& what) { page_notice_ = what; };
  if (!LockDirectoryFor(disk_, DirName(page_path), LockMode::kExclusive, &lock, wait, err)) {
    return std::nullopt;
  }
  if (!WriteFresh(disk_, page_path, RenderViewPage(v), err)) return std::nullopt;
  return page_path;
}

}  // namespace percorso
