// The source files an editor has open, paired by their names (KEY_linea.txt
// with every KEY_TRAIN-.txt of its folder), compiled in memory as the editor
// holds them. A file of a pair that is not open is read from the disk; no
// file is ever written but the page that ViewPage is asked for.
#ifndef PERCORSO_LSP_WORKSPACE_H_
#define PERCORSO_LSP_WORKSPACE_H_

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "io/disk.h"
#include "lsp/document.h"
#include "model/diagnostic.h"
#include "model/model.h"

namespace percorso {

/// The diagnostics of one file, to publish.
struct FileDiagnostics {
  std::string path;
  std::vector<Diagnostic> diagnostics;
};

/// What a file is by its name.
enum class SourceRole { kLine, kTrain, kOther };

class Workspace {
 public:
  explicit Workspace(Disk& disk) : disk_(disk) {}

  /// The editor's text of `path` (opened, changed or saved).
  void SetText(const std::string& path, std::string text);
  /// The editor closed `path`: its text on disk counts again.
  void Close(const std::string& path);

  /// Compiles every pair that `path` belongs to and returns the diagnostics
  /// of every file they touch, and an empty list for files whose diagnostics
  /// are gone.
  std::vector<FileDiagnostics> Analyse(const std::string& path);

  /// The document of `path` as last compiled or opened; nullptr when unknown.
  const Document* Find(const std::string& path) const;
  /// The diagnostics last published for `path`.
  std::vector<Diagnostic> DiagnosticsOf(const std::string& path) const;
  /// The entries of `path` as the last compile of its pairs read them.
  std::vector<SourceEntry> EntriesOf(const std::string& path) const;
  /// Whether `path` is named as a line file.
  SourceRole RoleOf(const std::string& path) const;

  /// Compiles the pair of `path` (a line file with its first train, or a
  /// train file with its line) and writes its page, KEY_TRAIN.html, into
  /// the folder of the pair. The page's path, or nothing with `*err`.
  std::optional<std::string> ViewPage(const std::string& path, std::string* err);
  /// What the last ViewPage found to say besides its answer: a commit that a
  /// run left unfinished in the folder, completed or rolled back. Empty when
  /// nothing.
  const std::string& page_notice() const { return page_notice_; }

 private:
  struct PairResult {
    std::string line, train;  // paths; `train` empty for a line alone
    std::vector<Diagnostic> diagnostics;
    std::vector<SourceEntry> entries;
  };

  /// The document of `path`: the editor's, else read from the disk (kept
  /// for the places of its diagnostics). Nothing when it cannot be read,
  /// with the reason in `*err`.
  const Document* Load(const std::string& path, std::string* err);
  /// The names of the files in `dir`: on the disk, and open in the editor.
  std::vector<std::string> NamesInFolder(const std::string& dir) const;
  /// The line file of a train file, found beside it; empty when none.
  std::string LineOfTrain(const std::string& train) const;
  /// The train files of a line file, open or beside it.
  std::vector<std::string> TrainsOfLine(const std::string& line) const;
  PairResult CompilePair(const std::string& line, const std::string& train);

  Disk& disk_;
  std::map<std::string, Document> open_;
  std::map<std::string, Document> read_;
  /// The last compile of each pair, by its key (the train's path, or the
  /// line's path for a line without trains).
  std::map<std::string, PairResult> pairs_;
  /// Diagnostics of files that belong to no pair (a name of no role).
  std::map<std::string, std::vector<Diagnostic>> alone_;
  std::set<std::string> published_;
  std::string page_notice_;
};

}  // namespace percorso

#endif  // PERCORSO_LSP_WORKSPACE_H_
