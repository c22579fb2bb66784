// The state that the two source grammars share while one parse runs: the open
// source file and its field reader, the place of the entry being read, which
// files are already deleted, the board cursor, and the ways an entry ends the
// reading of a file or the whole parse.
#ifndef PERCORSO_COMPILER_PARSE_SESSION_H_
#define PERCORSO_COMPILER_PARSE_SESSION_H_

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "compiler/field_reader.h"
#include "compiler/model.h"
#include "compiler/source_files.h"

namespace percorso {

/// True when `v` fits the 32-bit signed integers of the sources: sums and
/// products of their values that do not are an arithmetic overflow, a read
/// failure.
inline bool FitsInt32(int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX;
}

/// What the reading of a source file does after an entry.
enum class Flow {
  kGoOn,       // read the next entry
  kEndOfFile,  // go to the end steps of the file (its end, or a range failure)
  kStop,       // the parse is over; the status and the deletions are done
};

class ParseSession {
 public:
  ParseSession(Scenario& scenario, SourceFiles& files) : s(scenario), files_(files) {}

  Scenario& s;
  SourceFiles& files() { return files_; }

  /// Reads `which` whole and makes it the open file; false when it cannot be
  /// read (the reason is kept for io_error()).
  bool Open(Source which);
  FieldReader& reader() { return *reader_; }

  /// Reads the keyword field of the next body entry, passing over up to two
  /// dash fields. False when the end of the file is reached before or after any
  /// of these reads.
  bool NextBodyKeyword(std::string* keyword);
  /// Notes that the field just read, `keyword`, is the keyword field of the
  /// entry, for the place of a status that the entry sets (and starts a kept
  /// entry when the scenario keeps them).
  void MarkKeyword(const std::string& keyword);
  /// The place of the entry's keyword field.
  SourceLocation KeywordPlace() const { return Here(keyword_line_, keyword_column_); }
  /// The file `which`, with no place in it.
  SourceLocation FilePlace(Source which) const { return SourceLocation{files_.Name(which), 0, 0}; }

  /// Deletes a source file unless it was already deleted in this parse.
  void Delete(Source which);
  /// Deletes the open file.
  void DeleteCurrent() { Delete(current_); }
  /// The first source file operation that failed (a read or a deletion), one
  /// line naming the file and the reason; empty when none did.
  const std::string& io_error() const { return io_error_; }

  /// Deletes the open file and raises `code` at the entry: the parse ends.
  /// With `posizione`, the position goes in `progressiva_errore`.
  Flow Stop(Status code, std::optional<int32_t> posizione = std::nullopt);
  /// As Stop, for a status of the whole open file.
  Flow StopInFile(Status code);
  /// Status 15 at `posizione`: the reading of the open file ends.
  Flow RangeFailure(int32_t posizione);
  /// Status 25 where the field reader failed; both files deleted.
  Flow ReadFailure();
  /// Status 25 for a value that cannot be stored, at the entry's keyword field.
  Flow StoreFailure();
  /// As StoreFailure, at `where`.
  Flow StoreFailureAt(const SourceLocation& where);
  /// Status 25 for the file `which` that cannot be read.
  Flow OpenFailure(Source which);

  /// The range check R(p, d): false when (p + d) / 50 lies beyond the last
  /// cell.
  bool InRange(int32_t p, int d) const;

  /// Typed reads of the fields of an entry; on failure the read failure is
  /// recorded and false returned (the caller returns Flow::kStop).
  bool ReadInts(std::initializer_list<int32_t*> targets);
  bool ReadShort(int16_t* target);
  bool ReadByte(uint8_t* target);
  /// A station name or board text: at most 65535 bytes.
  bool ReadName(std::string* target);

  /// Reacts to the status that a placement operation returned for the entry
  /// at `posizione`: 15 ends the open file like a range failure, 25 is a
  /// value that cannot be stored, any other code ends the parse. A placed
  /// entry also ends the parse when a status is already raised (one left by
  /// the line file), with the entry's position.
  Flow Placed(int32_t posizione, Status code);

  /// The next `voci` slot for a text board; stations stop below it.
  int32_t board_cursor = kPrimaVoceCartello;

 private:
  SourceLocation Here(int line, int column) const;
  /// Adds a value read to the kept entry.
  void KeepNumber(int64_t value);
  /// After a read failure: each source file that still exists is deleted.
  void DeleteRemaining();
  void NoteIoError(const std::string& message);

  SourceFiles& files_;
  Source current_ = Source::kLinea;
  std::string contents_;
  std::optional<FieldReader> reader_;
  int keyword_line_ = 0;
  int keyword_column_ = 0;
  bool linea_deleted_ = false;
  bool treno_deleted_ = false;
  std::string io_error_;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PARSE_SESSION_H_
