// Source files on disk, reached through the disk interface.
#ifndef PERCORSO_DRIVER_DISK_SOURCES_H_
#define PERCORSO_DRIVER_DISK_SOURCES_H_

#include <optional>
#include <string>
#include <utility>

#include "compiler/source_files.h"
#include "driver/diagnostics_out.h"
#include "io/disk.h"

namespace percorso {

/// The largest source file the compiler reads.
inline constexpr uint64_t kMaxSourceSize = 256ull << 20;

class DiskSourceFiles : public SourceFiles {
 public:
  /// With `delete_after_reading` false, Delete() leaves the files alone (an
  /// author's own files).
  DiskSourceFiles(Disk& disk, std::string linea, std::string treno, bool delete_after_reading)
      : disk_(disk),
        linea_(std::move(linea)),
        treno_(std::move(treno)),
        delete_after_reading_(delete_after_reading) {}

  /// The name "-" stands for standard input, whose bytes are `bytes`; it is
  /// called "<stdin>" in diagnostics.
  void SetStandardInput(std::string bytes) { stdin_ = std::move(bytes); }
  /// The text of every file read, by the name its diagnostics give it.
  const SourceTexts& texts() const { return texts_; }
  /// Reads both files now; Read then gives what was read here.
  void ReadAhead();

  std::string Name(Source which) const override;
  bool Exists(Source which) override;
  SourceText Read(Source which) override;
  bool Delete(Source which, std::string* error) override;

 private:
  const std::string& Path(Source which) const { return which == Source::kLinea ? linea_ : treno_; }

  Disk& disk_;
  std::string linea_;
  std::string treno_;
  bool delete_after_reading_;
  std::optional<std::string> stdin_;
  SourceTexts texts_;
  std::optional<SourceText> read_ahead_[2];
};

}  // namespace percorso

#endif  // PERCORSO_DRIVER_DISK_SOURCES_H_
