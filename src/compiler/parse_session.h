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
#include <string_view>
#include <utility>
#include <vector>

#include "compiler/field_reader.h"
#include "compiler/model.h"
#include "compiler/placement.h"
#include "compiler/source_checks.h"
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
  kSkip,       // (check) the entry raised an error and is left out; read on
};

/// Which field of an entry a status is about: the keyword field, or a value
/// field by its index among the values read (0 is the first).
inline constexpr int kKeywordField = -1;
/// A status of the whole open file, at no field.
inline constexpr int kWholeFile = -2;

/// What a parse found besides the model.
/// The most warnings, and the most errors, that a parse keeps.
inline constexpr size_t kMaxKeptDiagnostics = 10000;

struct ParseFindings {
  /// The first source file operation that failed (a read or a deletion), one
  /// line naming the file and the reason; empty when none did.
  std::string io_error;
  /// Warnings, in the order found.
  std::vector<Diagnostic> warnings;
  /// When checking: every error raised, in the order raised.
  std::vector<Diagnostic> errors;
  /// Warnings and errors found past the number kept (kMaxKeptDiagnostics
  /// each), counted only: a hostile source cannot fill the memory with them.
  size_t warnings_left_out = 0;
  size_t errors_left_out = 0;
  /// The entry that put a feature on cell 1, whose `dato1` and `dato2` hold
  /// the scenario's header values.
  std::optional<Note> header_cell;
  /// The header of the line file ended without a route length.
  bool no_route_length = false;
};

class ParseSession {
 public:
  /// With `recover`, an entry that raises an error is recorded and left out,
  /// and the parse goes on (the check of a scenario); without, the first error
  /// ends the parse as the compile does.
  ParseSession(Scenario& scenario, SourceFiles& files, bool recover)
      : s(scenario), files_(files), recover_(recover) {}

  Scenario& s;
  SourceFiles& files() { return files_; }
  bool recovering() const { return recover_; }

  /// Reads `which` whole and makes it the open file; false when it cannot be
  /// read (the reason is kept in the findings).
  bool Open(Source which);
  FieldReader& reader() { return *reader_; }
  Source current() const { return current_; }

  /// Reads the keyword field of the next body entry, passing over up to two
  /// dash fields, and starts the entry. False when the end of the file is
  /// reached before or after any of these reads.
  bool NextBodyKeyword(std::string* keyword);
  /// Starts an entry whose keyword field `keyword` was just read;
  /// `first_on_line` tells whether it (or the dash field passed over before
  /// it) began its line.
  void MarkKeyword(const std::string& keyword, bool first_on_line);
  /// The entry passed the keyword test of `kind`: when the scenario keeps
  /// records, the values read from here on, and the cells and the station
  /// slot placed, go to a new record of that kind.
  void KeepRecord(EntryKind kind);
  /// The place of the entry's keyword field.
  SourceLocation KeywordPlace() const { return Here(keyword_line_, keyword_column_); }
  /// The place of value field `field` of the entry (kKeywordField: the keyword
  /// field): on the keyword's line, else the keyword field's place.
  SourceLocation FieldPlace(int field) const;
  /// The file `which`, with no place in it.
  SourceLocation FilePlace(Source which) const { return SourceLocation{files_.Name(which), 0, 0}; }

  /// Deletes a source file unless it was already deleted in this parse.
  void Delete(Source which);
  /// Deletes the open file.
  void DeleteCurrent() { Delete(current_); }

  /// Raises `code` for the entry at `field`: the parse ends, the open file
  /// deleted (Flow::kStop), or, when checking, the entry is left out
  /// (Flow::kSkip). With `posizione`, the position goes in
  /// `progressiva_errore`.
  Flow Stop(Status code, std::optional<int32_t> posizione = std::nullopt,
            int field = kKeywordField);
  /// As Stop, with notes that explain the status.
  Flow StopWith(Status code, std::optional<int32_t> posizione, int field, std::vector<Note> notes);
  /// Raises `code` at `field` (kWholeFile: for the whole open file), after
  /// deleting the file: the parse ends, also when checking.
  Flow StopInFile(Status code, int field = kWholeFile);
  /// Raises `code` for file `which` (no entry): the reading goes on.
  void RaiseInFile(Status code, Source which, std::vector<Note> notes = {});
  /// Status 15 at `posizione`: the reading of the open file ends (when
  /// checking, the entry is left out).
  Flow RangeFailure(int32_t posizione);
  /// Status 25 where the field reader failed; both files deleted.
  Flow ReadFailure(const std::string& what);
  /// Status 25 for a value of the entry that cannot be stored.
  Flow StoreFailure(std::string why);
  /// As StoreFailure, for an entry read at `where`.
  Flow StoreFailureAt(const SourceLocation& where, std::string why);
  /// Status 25 for the file `which` that cannot be read.
  Flow OpenFailure(Source which);
  /// The flow after a failure that the callee has already raised.
  Flow AfterFailure() const { return recover_ ? Flow::kSkip : Flow::kStop; }

  /// The range check R(p, d): false when (p + d) / 50 lies beyond the last
  /// cell.
  bool InRange(int32_t p, int d) const;

  /// Typed reads of the fields of an entry; on failure the read failure is
  /// raised and false returned (the caller returns AfterFailure()). A text
  /// that is not a whole number is warned about.
  bool ReadInts(std::initializer_list<int32_t*> targets);
  bool ReadShort(int16_t* target);
  bool ReadByte(uint8_t* target);
  /// A station name or board text: at most 65535 bytes.
  bool ReadName(std::string* target);

  /// Reacts to what a placement operation did for the entry at `posizione`:
  /// 15 ends the open file like a range failure, 25 is a value that cannot be
  /// stored, any other code ends the parse. A placed entry also ends the parse
  /// when a status is already raised (one left by the line file), with the
  /// entry's position.
  Flow Placed(int32_t posizione, const Esito& esito);

  /// The entry put its feature on `cell`: a later conflict on it names this
  /// entry, and the kept record lists the cell.
  void Own(int64_t cell);
  /// A conflict on `cell`, raised as `code` at the entry's position field.
  Flow Taken(Status code, int32_t posizione, int64_t cell);

  /// The route length was read from the entry.
  void RouteRead(int32_t lunghezza);
  /// The header ended without a route length.
  void NoRouteLength() { findings_.no_route_length = true; }
  /// Warns when `posizione` (value field `field`) lies past the route's end.
  void CheckPastRoute(int32_t posizione, int field = 0);
  /// Warns when `value` (value field `field`) does not fit the cell member
  /// named `member`, which keeps `bits` low bits (signed for 16).
  void CheckFits(int64_t value, int bits, std::string_view member, int field);

  /// Warnings, after each entry that was not left out: a record whose values
  /// ran on to later lines or that stands behind a comment-like mark, a field
  /// that matched no keyword of `grammar`.
  void AfterEntry(Grammar grammar);
  /// Warnings at the end of the open file: no entry read from it.
  void EndOfFile();
  /// Reads up to the first field with "[generale]"; false when the end of the
  /// file comes first (with `at_end_too`, also right after that field). The
  /// lines before it are warned about once it is found; `near_miss` gets a
  /// section name a few edits from it.
  bool FindGenerale(bool at_end_too, std::optional<Note>* near_miss);
  void Warn(const SourceLocation& where, std::string text, std::vector<Note> notes = {});

  /// What the parse found besides the model; taken once at its end.
  ParseFindings TakeFindings();

  /// The next `voci` slot for a text board; stations stop below it.
  int32_t board_cursor = kPrimaVoceCartello;
  /// The entry placed a station in `slot`: where it was read is kept for notes
  /// about the previous one, and the kept record names the slot.
  void StationPlaced(int32_t slot);
  /// Where each station slot was read.
  std::vector<SourceLocation> station_places;
  /// The station slots ran into the board slots (status 10 raised).
  bool slots_full = false;

 private:
  SourceLocation Here(int line, int column) const;
  /// The record being kept for the entry, or nullptr.
  SourceEntry* Kept();
  /// Adds a value read to the kept record.
  void KeepNumber(int64_t value);
  /// After a read failure: each source file that still exists is deleted.
  void DeleteRemaining();
  void NoteIoError(const std::string& message);
  /// Raises `code` at `where` with `notes`; when checking, records it and
  /// returns Flow::kSkip, else sets the model's status and returns `flow`.
  Flow Raise(Status code, const SourceLocation& where, std::optional<int32_t> posizione,
             std::vector<Note> notes, Flow flow);
  /// Notes for an error at `field`: where the field stands when it is on
  /// another line.
  std::vector<Note> FieldNotes(int field) const;
  std::vector<Note> RouteNotes() const;
  void CheckNumberText(bool read_ok);
  void WarnRunOn();
  void WarnUnmatched(Grammar grammar);
  void CheckEncoding();
  bool OnKeywordLine(int field) const;

  SourceFiles& files_;
  bool recover_;
  Source current_ = Source::kLinea;
  std::string contents_;
  // Where the run-on warnings stand in contents_: they come in line order.
  LineCursor run_on_cursor_;
  std::optional<FieldReader> reader_;
  bool linea_deleted_ = false;
  bool treno_deleted_ = false;
  ParseFindings findings_;

  // The entry being read: its keyword field and the places of its values.
  std::string keyword_;
  int keyword_line_ = 0;
  int keyword_column_ = 0;
  bool keyword_first_on_line_ = false;
  std::vector<std::pair<int, int>> fields_;
  // The record being kept for the entry: an index into source_entries, or -1.
  int64_t kept_ = -1;
  // Dash fields passed over before the keyword field, and where the first
  // field of the group stands.
  std::string dashes_;
  std::pair<int, int> group_start_;
  // The last line that a warning was given for (no second one on it), and the
  // line where the previous record's values ended.
  int warned_line_ = 0;
  int record_end_line_ = 0;
  int records_in_file_ = 0;

  // Who put a feature on each cell: an index into entries_, or -1.
  std::vector<int32_t> owner_;
  std::vector<Note> entries_;
  int32_t entry_index_ = -1;
  std::optional<Note> route_;
  int32_t route_length_ = 0;
  bool past_route_warned_linea_ = false;
  bool past_route_warned_treno_ = false;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PARSE_SESSION_H_
