// How the parser reaches the two source files. The built-in run reads the files
// it wrote itself and deletes them; the author's `compile` reads the author's
// files and never deletes them. A file operation that fails says why in its
// own result.
#ifndef PERCORSO_COMPILER_SOURCE_FILES_H_
#define PERCORSO_COMPILER_SOURCE_FILES_H_

#include <string>
#include <utility>

namespace percorso {

enum class Source { kLinea, kTreno };

/// The bytes of a source file, or why it could not be read.
struct SourceText {
  bool ok = false;
  std::string contents;
  /// One line naming the file and the reason, when the read failed.
  std::string error;
};

class SourceFiles {
 public:
  virtual ~SourceFiles() = default;
  /// The name to show in diagnostics.
  virtual std::string Name(Source which) const = 0;
  virtual bool Exists(Source which) = 0;
  /// Reads the file whole.
  virtual SourceText Read(Source which) = 0;
  /// Deletes the file once it has been read (or does nothing, for files that
  /// are not the program's own). False, with `*error` naming the file and the
  /// reason, when the deletion failed.
  virtual bool Delete(Source which, std::string* error) = 0;
};

/// Source files held in memory, for tests and tools: nothing is deleted, but
/// the deletions are counted.
class MemorySourceFiles : public SourceFiles {
 public:
  MemorySourceFiles(std::string linea, std::string treno)
      : linea_(std::move(linea)), treno_(std::move(treno)) {}

  std::string Name(Source which) const override {
    return which == Source::kLinea ? "linea.txt" : "treno-.txt";
  }
  bool Exists(Source which) override { return which == Source::kLinea ? has_linea : has_treno; }
  SourceText Read(Source which) override {
    SourceText text;
    text.ok = Exists(which);
    if (text.ok) {
      text.contents = which == Source::kLinea ? linea_ : treno_;
    } else {
      text.error = Name(which) + ": cannot read: no such file";
    }
    return text;
  }
  bool Delete(Source which, std::string*) override {
    ++(which == Source::kLinea ? linea_deletions : treno_deletions);
    return true;
  }

  bool has_linea = true;
  bool has_treno = true;
  int linea_deletions = 0;
  int treno_deletions = 0;

 private:
  std::string linea_;
  std::string treno_;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_SOURCE_FILES_H_
