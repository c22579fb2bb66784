// The source file that a parse is reading, and the deletion of the source
// files once read: each is read whole, then read field by field, and deleted
// at most once.
#ifndef PERCORSO_COMPILER_OPEN_SOURCE_H_
#define PERCORSO_COMPILER_OPEN_SOURCE_H_

#include <optional>
#include <string>

#include "compiler/field_reader.h"
#include "compiler/source_files.h"

namespace percorso {

class OpenSource {
 public:
  explicit OpenSource(SourceFiles& files) : files_(files) {}

  /// Reads `which` whole and makes it the open file; false when it cannot be
  /// read (the reason is kept in io_error()), and then no file is open.
  bool Open(Source which);
  /// The open file's field reader; only while a file is open.
  FieldReader& reader() { return *reader_; }
  /// The open file's field reader, or nullptr.
  const FieldReader* open_reader() const { return reader_ ? &*reader_ : nullptr; }
  Source current() const { return current_; }
  /// The text of the open file.
  const std::string& contents() const { return contents_; }
  /// The name of `which` as the diagnostics give it.
  std::string Name(Source which) const { return files_.Name(which); }
  bool Exists(Source which) { return files_.Exists(which); }

  /// Deletes a source file unless it was already deleted in this parse.
  void Delete(Source which);
  void DeleteCurrent() { Delete(current_); }
  /// Deletes each source file that still exists (after a read failure).
  void DeleteRemaining();

  /// The first source file operation that failed, one line naming the file
  /// and the reason; empty when none did.
  const std::string& io_error() const { return io_error_; }

 private:
  void NoteIoError(const std::string& message);

  SourceFiles& files_;
  Source current_ = Source::kLinea;
  std::string contents_;
  std::optional<FieldReader> reader_;
  bool linea_deleted_ = false;
  bool treno_deleted_ = false;
  std::string io_error_;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_OPEN_SOURCE_H_
