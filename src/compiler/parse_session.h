// What the two source grammars share while one parse runs, as operations: the
// open source file and its deletion (OpenSource), the places of the entry
// being read (EntryPlaces), the compile or check policy for errors
// (ErrorPolicy), the cells each entry claims (CellClaims), the viewer's
// records (EntryRecords), the warnings (WarningList) and the slots of stations
// and boards (SlotCursors); and the ways an entry ends the reading of a file
// or the whole parse.
#ifndef PERCORSO_COMPILER_PARSE_SESSION_H_
#define PERCORSO_COMPILER_PARSE_SESSION_H_

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compiler/cell_owners.h"
#include "compiler/entry_places.h"
#include "compiler/entry_records.h"
#include "compiler/error_policy.h"
#include "compiler/field_reader.h"
#include "compiler/open_source.h"
#include "compiler/placement.h"
#include "compiler/slot_cursors.h"
#include "compiler/source_files.h"
#include "compiler/source_text.h"
#include "compiler/warning_list.h"
#include "model/grammar.h"
#include "model/model.h"

namespace percorso {

/// True when `v` fits the 32-bit signed integers of the sources: sums and
/// products of their values that do not are an arithmetic overflow, a read
/// failure.
inline bool FitsInt32(int64_t v) {
  return v >= INT32_MIN && v <= INT32_MAX;
}

/// Which field of an entry a status is about: the keyword field, or a value
/// field by its index among the values read (0 is the first).
inline constexpr int kKeywordField = -1;
/// A status of the whole open file, at no field.
inline constexpr int kWholeFile = -2;

/// What a parse read, for the summary of a clean check: the entries placed
/// of each kind and the route length.
struct EntryCounts {
  int stations = 0;
  int signals = 0;
  int slowdowns = 0;
  int speed_entries = 0;
  int speed_boards = 0;
  int text_boards = 0;
  bool has_route = false;
  int32_t route_length = 0;
};

/// The last entry of a list of positioned entries (gradients, line speeds,
/// adhesion values) and where it was read.
struct ListOrder {
  bool any = false;
  int32_t posizione = 0;
  SourceLocation where;
};

/// What a parse found besides the model.
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
  /// Which entry put the feature on each cell, for the errors of the
  /// post-pass.
  CellOwners owners;
  /// The header of the line file ended without a route length.
  bool no_route_length = false;
  EntryCounts counts;
};

class ParseSession {
 public:
  /// With `recover`, an entry that raises an error is recorded and left out,
  /// and the parse goes on (the check of a scenario); without, the first error
  /// ends the parse as the compile does. With `records`, every keyword test
  /// that an entry passes is kept there as a record, for the viewer.
  ParseSession(Scenario& scenario, SourceFiles& files, bool recover,
               std::vector<SourceEntry>* records = nullptr)
      : s_(scenario), file_(files), policy_(scenario, recover), records_(records) {}

  /// The model the parse reads into, for the operations that place features.
  Scenario& model() { return s_; }
  /// Slot `slot` of `voci` (0 to 86).
  voce& Slot(int slot) { return s_.voci[static_cast<size_t>(slot)]; }
  /// The cell at `i`, or nullptr outside the route.
  cella* Cell(int64_t i) { return s_.cell_at(i); }
  /// The route length has created the cells.
  bool has_route() const { return s_.has_celle(); }
  /// The upper index of `celle`.
  int32_t last_cell() const { return s_.ultima_cella; }
  /// The geometry is asked for: curves are read and drawn.
  bool with_geometry() const { return s_.wants_geometry(); }
  /// The plan of the line, or nullptr without one.
  Tracciato* plan() { return s_.tracciato ? &*s_.tracciato : nullptr; }
  /// Adds `note` to the status of the compile.
  void NoteOnStatus(Note note) { s_.diagnostic.notes.push_back(std::move(note)); }

  bool recovering() const { return policy_.recovering(); }

  /// Reads `which` whole and makes it the open file; false when it cannot be
  /// read (the reason is kept in the findings).
  bool Open(Source which);
  FieldReader& reader() { return file_.reader(); }
  Source current() const { return file_.current(); }
  /// True when the source file `which` exists.
  bool SourceExists(Source which) { return file_.Exists(which); }

  /// Reads the keyword field of the next body entry, passing over up to two
  /// dash fields, and starts the entry. False when the end of the file is
  /// reached before or after any of these reads.
  bool NextBodyKeyword(std::string* keyword);
  /// Starts an entry whose keyword field `keyword` was just read;
  /// `first_on_line` tells whether it (or the dash field passed over before
  /// it) began its line.
  void MarkKeyword(const std::string& keyword, bool first_on_line);
  /// The entry passed the keyword test of `kind`: when the parse keeps
  /// records, the values read from here on, and the cells and the station
  /// slot placed, go to a new record of that kind.
  void KeepRecord(EntryKind kind) { records_.Start(kind, KeywordPlace(), places_.keyword()); }
  /// The place of the entry's keyword field.
  SourceLocation KeywordPlace() const { return places_.KeywordPlace(); }
  /// The place of value field `field` of the entry (kKeywordField: the keyword
  /// field): on the keyword's line, else the keyword field's place.
  SourceLocation FieldPlace(int field) const { return places_.FieldPlace(field); }
  /// The file `which`, with no place in it.
  SourceLocation FilePlace(Source which) const { return SourceLocation{file_.Name(which), 0, 0}; }

  /// Deletes a source file unless it was already deleted in this parse.
  void Delete(Source which) { file_.Delete(which); }
  /// Deletes the open file.
  void DeleteCurrent() { file_.DeleteCurrent(); }

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
  Flow AfterFailure() const { return policy_.AfterFailure(); }

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
  /// A note on what `cell` holds and which entry put it there.
  Note CellNote(int64_t cell) const { return DescribeCell(s_, cells_.owners(), cell); }
  /// What a later error about the cells the entry owns should add (a
  /// slowdown without an end cell, say).
  void RemarkOnCells(std::string remark) { cells_.Remark(std::move(remark)); }
  /// A conflict on `cell`, raised as `code` at the entry's position field.
  Flow Taken(Status code, int32_t posizione, int64_t cell);

  /// The route length was read from the entry: the cells are new, and no
  /// stretch waits to be drawn on them.
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
  /// The warning `id` of the catalogue (model/catalogue.h), with its fixes
  /// when the remedy is known.
  void Warn(WarningId id, const SourceLocation& where, std::string text,
            std::vector<Note> notes = {}, std::vector<Fix> fixes = {}) {
    warnings_.Add(id, where, std::move(text), std::move(notes), std::move(fixes));
  }
  /// A fix that swaps the texts of value fields `a` and `b` of the entry as
  /// written; none when either was not read.
  std::vector<Fix> SwapFields(int a, int b, const std::string& title) const;
  /// Warns when the entry's `posizione` lies below that of the previous entry
  /// of `order` (whose entries are `what`, as "gradient"), naming it; then the
  /// entry is the last of the list.
  void CheckOrder(ListOrder& order, int32_t posizione, std::string_view what);
  /// What the parse has read so far, counted by the grammars.
  EntryCounts& counts() { return findings_.counts; }

  /// The kilometric reference of `slot` (81 to 83) was read from the entry.
  void ReferenceRead(int slot);
  /// The references were reordered from `before` (slots 81 to 83 as they were
  /// read) to what the slots hold now: each slot's place follows its triple.
  void ReferencesOrdered(const std::array<voce, 3>& before);
  /// Where the triple now in `slot` (81 to 83) was read, when it was.
  std::optional<SourceLocation> ReferencePlace(int slot) const;
  /// Raises `code` at `where` (no position): the reading goes on.
  void RaiseAt(Status code, const SourceLocation& where, std::vector<Note> notes);

  /// The slots of stations and text boards.
  SlotCursors& slots() { return slots_; }
  /// The terrain stretches placed so far.
  StretchList& stretches() { return stretches_; }
  /// The entry placed a station in `slot`: where it was read is kept for notes
  /// about the next one, and the kept record names the slot.
  void StationPlaced(int32_t slot);

  /// What the parse found besides the model; taken once at its end.
  ParseFindings TakeFindings();

 private:
  SourceLocation Here(int line, int column, int end_column = 0) const {
    return places_.Here(line, column, end_column);
  }
  /// The place of the field the reader read last, spanning it.
  SourceLocation ReaderPlace() const {
    const FieldReader& r = *file_.open_reader();
    return places_.Here(r.line(), r.column(), r.end_column());
  }
  /// Adds a value read to the entry's places and its kept record.
  void KeepNumber(int64_t value) { records_.Number(value); }
  Flow Raise(Status code, const SourceLocation& where, std::optional<int32_t> posizione,
             std::vector<Note> notes, Flow flow) {
    return policy_.Raise(code, where, posizione, std::move(notes), flow);
  }
  std::vector<Note> RouteNotes(int64_t posizione) const;
  /// "; did you mean L x 1000 m?" when the route length reads like kilometres
  /// and `posizione` would lie within such a route; else empty.
  std::string KilometreHint(int64_t posizione) const;
  /// The fix of a route length written in kilometres, when KilometreHint
  /// gives one for `posizione`.
  std::vector<Fix> KilometreFix(int64_t posizione) const;
  /// Warnings on the whole text of the open file: its encoding, a missing
  /// "[fine]".
  void CheckEnding(const Encoding& e);
  /// Warnings for the quoted fields of the open file that ran across lines.
  void WarnQuotedSpans();
  void CheckNumberText(bool read_ok);
  void WarnRunOn();
  void WarnUnmatched(Grammar grammar);
  /// The fix of an extra field that is the fraction of a number written with
  /// a decimal comma, with a word about it added to `*text`; none otherwise.
  std::vector<Fix> DecimalCommaFix(std::string* text) const;
  /// Warns when numeric text `text` is a whole number but for invisible or
  /// look-alike characters; true when it did.
  bool WarnLookAlike(const std::string& text);
  Encoding CheckEncoding();

  Scenario& s_;
  OpenSource file_;
  EntryPlaces places_;
  ErrorPolicy policy_;
  CellClaims cells_;
  EntryRecords records_;
  WarningList warnings_;
  SlotCursors slots_;
  StretchList stretches_;
  ParseFindings findings_;

  // Where the run-on warnings stand in the open file's text: they come in
  // line order.
  LineCursor run_on_cursor_;
  // The last line that a warning was given for (no second one on it), the
  // line where the previous record's values ended, and the records read from
  // the open file.
  int warned_line_ = 0;
  int record_end_line_ = 0;
  // The last value of the previous record: its place and bytes.
  SourceLocation record_end_;
  size_t record_end_begin_ = 0;
  size_t record_end_end_ = 0;
  int records_in_file_ = 0;
  // The section names read from the open file, each with where it was first
  // given; whether an entry after "[fine]" was warned about.
  std::vector<std::pair<std::string, SourceLocation>> sections_;
  bool after_fine_warned_ = false;

  // The route length and where it was read; the place of its value.
  std::optional<Note> route_;
  SourceLocation route_value_;
  int32_t route_length_ = 0;
  bool past_route_warned_linea_ = false;
  bool past_route_warned_treno_ = false;
  // When checking, entries past the route's end after the first are counted
  // into a note of its error: the index of that error, how many more, and
  // where the last one was read.
  int64_t past_end_error_ = -1;
  int past_end_more_ = 0;
  SourceLocation past_end_last_;
  // Where the kilometric reference triples were read: by the slot they were
  // read into, then by the slot they were ordered into.
  std::array<std::optional<SourceLocation>, 3> reference_read_;
  std::array<std::optional<SourceLocation>, 3> reference_places_;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PARSE_SESSION_H_
