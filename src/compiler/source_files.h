// How the parser reaches the two source files. The built-in run reads the files
// it wrote itself and deletes them; the author's `compile` reads the author's
// files and never deletes them.
#ifndef PERCORSO_COMPILER_SOURCE_FILES_H_
#define PERCORSO_COMPILER_SOURCE_FILES_H_

#include <string>

namespace percorso {

enum class Source { kLinea, kTreno };

class SourceFiles {
 public:
  virtual ~SourceFiles() = default;
  /// The name to show in diagnostics.
  virtual std::string Name(Source which) const = 0;
  virtual bool Exists(Source which) = 0;
  /// Reads the file whole; false when it cannot be read.
  virtual bool Read(Source which, std::string* contents) = 0;
  /// Deletes the file once it has been read (or does nothing, for files that
  /// are not the program's own).
  virtual void Delete(Source which) = 0;
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
  bool Read(Source which, std::string* contents) override {
    if (!Exists(which)) return false;
    *contents = which == Source::kLinea ? linea_ : treno_;
    return true;
  }
  void Delete(Source which) override {
    if (which == Source::kLinea) {
      ++linea_deletions;
    } else {
      ++treno_deletions;
    }
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
