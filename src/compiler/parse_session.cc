#include "compiler/parse_session.h"

#include "compiler/keywords.h"

namespace percorso {
namespace {

// Dash fields passed over in a row in the body of either file.
constexpr int kBodyDashSkips = 2;
// The longest route, in metres.
constexpr int64_t kLongestRoute = 1000000;

}  // namespace

bool ParseSession::Open(Source which) {
  WarnQuotedSpans();
  places_.SetFile(file_.Name(which));
  run_on_cursor_ = LineCursor{};
  warned_line_ = 0;
  record_end_line_ = 0;
  record_end_ = {};
  sections_.clear();
  after_fine_warned_ = false;
  records_in_file_ = 0;
  if (!file_.Open(which)) return false;
  CheckEnding(CheckEncoding());
  return true;
}

bool ParseSession::NextBodyKeyword(std::string* keyword) {
  FieldReader& r = file_.reader();
  places_.ClearDashes();
  bool first_on_line = false;
  for (int skips = 0;; ++skips) {
    if (r.at_end()) return false;
    r.ReadText(keyword);
    if (skips == 0) {
      first_on_line = r.first_on_line();
      places_.StartGroup(r.line(), r.column());
    }
    if (r.at_end()) return false;
    if (skips == kBodyDashSkips || !IsDashField(*keyword)) break;
    places_.AddDash(*keyword);
  }
  MarkKeyword(*keyword, first_on_line);
  return true;
}

void ParseSession::MarkKeyword(const std::string& keyword, bool first_on_line) {
  const FieldReader& r = file_.reader();
  places_.StartEntry(keyword, r.line(), r.column(), r.end_column(), first_on_line);
  cells_.StartEntry();
  records_.EndEntry();
}

Flow ParseSession::StopWith(Status code, std::optional<int32_t> posizione, int field,
                            std::vector<Note> notes) {
  if (!recovering()) DeleteCurrent();
  std::vector<Note> all = places_.FieldNotes(field);
  all.insert(all.end(), notes.begin(), notes.end());
  return Raise(code, FieldPlace(field), posizione, std::move(all), Flow::kStop);
}

Flow ParseSession::Stop(Status code, std::optional<int32_t> posizione, int field) {
  return StopWith(code, posizione, field, {});
}

Flow ParseSession::StopInFile(Status code, int field) {
  DeleteCurrent();
  SourceLocation where = field == kWholeFile ? FilePlace(current()) : FieldPlace(field);
  Raise(code, where, std::nullopt, {}, Flow::kStop);
  return Flow::kStop;
}

void ParseSession::RaiseInFile(Status code, Source which, std::vector<Note> notes) {
  Raise(code, FilePlace(which), std::nullopt, std::move(notes), Flow::kGoOn);
}

Flow ParseSession::RangeFailure(int32_t posizione) {
  // A check tells one entry past the route's end, and how many more there are:
  // they share one cause, most often the route length.
  const bool past_end = recovering() && route_ && posizione > route_length_;
  if (past_end && past_end_error_ >= 0) {
    ++past_end_more_;
    past_end_last_ = FieldPlace(0);
    return Flow::kSkip;
  }
  std::vector<Note> notes = places_.FieldNotes(0);
  std::vector<Note> route = RouteNotes(posizione);
  notes.insert(notes.end(), route.begin(), route.end());
  const size_t raised = policy_.errors().size();
  Flow f =
      Raise(Status::kBeyondCells, FieldPlace(0), posizione, std::move(notes), Flow::kEndOfFile);
  // A route length that reads like kilometres is the remedy.
  if (policy_.errors().size() > raised) policy_.errors().back().fixes = KilometreFix(posizione);
  if (!recovering() && s_.diagnostic.stato == Code(Status::kBeyondCells)) {
    s_.diagnostic.fixes = KilometreFix(posizione);
  }
  if (past_end) past_end_error_ = static_cast<int64_t>(policy_.errors().size()) - 1;
  return f;
}

std::vector<Note> ParseSession::RouteNotes(int64_t posizione) const {
  if (!route_) return {};
  const int64_t last = s_.ultima_cella;
  const int64_t metre = last * kCellMetres;
  return {Note{route_->where,
               "the route is " + std::to_string(route_length_) + " m long: its last cell, " +
                   std::to_string(last) + ", lies about metre " + std::to_string(metre) +
                   ", and a position must stay 100 m before it (800 m for a station)" +
                   KilometreHint(posizione)}};
}

std::string ParseSession::KilometreHint(int64_t posizione) const {
  const int64_t metres = static_cast<int64_t>(route_length_) * 1000;
  if (route_length_ <= 0 || metres > kLongestRoute || posizione > metres + kRouteExtension) {
    return {};
  }
  return "; did you mean " + std::to_string(metres) + " m?";
}

std::vector<Fix> ParseSession::KilometreFix(int64_t posizione) const {
  if (KilometreHint(posizione).empty() || !route_value_.known()) return {};
  const std::string metres = std::to_string(static_cast<int64_t>(route_length_) * 1000);
  return {Fix{route_value_, metres, "Write the route length in metres, " + metres}};
}

std::vector<Fix> ParseSession::SwapFields(int a, int b, const std::string& title) const {
  SourceLocation first, second;
  size_t first_begin = 0, first_end = 0, second_begin = 0, second_end = 0;
  if (!places_.ValueSpan(a, &first, &first_begin, &first_end) ||
      !places_.ValueSpan(b, &second, &second_begin, &second_end)) {
    return {};
  }
  const std::string_view t = file_.contents();
  std::string first_text(t.substr(first_begin, first_end - first_begin));
  std::string second_text(t.substr(second_begin, second_end - second_begin));
  if (first_text.empty() || second_text.empty()) return {};
  return {Fix{first, second_text, title}, Fix{second, first_text, title}};
}

void ParseSession::RaiseAt(Status code, const SourceLocation& where, std::vector<Note> notes) {
  Raise(code, where, std::nullopt, std::move(notes), Flow::kGoOn);
}

void ParseSession::ReferenceRead(int slot) {
  const int i = slot - kVoceProgressivaTre;
  if (i >= 0 && i < 3) reference_read_[static_cast<size_t>(i)] = KeywordPlace();
}

void ParseSession::ReferencesOrdered(const std::array<voce, 3>& before) {
  // A triple moves whole; the one with a third value of 1 has 100 more in its
  // second value.
  for (size_t slot = 0; slot < 3; ++slot) {
    const voce& now = s_.voci[kVoceProgressivaTre + slot];
    reference_places_[slot].reset();
    for (size_t k = 0; k < 3; ++k) {
      const voce& was = before[k];
      const int64_t fine = static_cast<int64_t>(was.fine) + (was.posizione == 1 ? 100 : 0);
      if (was.inizio == now.inizio && fine == now.fine && was.posizione == now.posizione) {
        reference_places_[slot] = reference_read_[k];
        break;
      }
    }
  }
}

std::optional<SourceLocation> ParseSession::ReferencePlace(int slot) const {
  const int i = slot - kVoceProgressivaTre;
  if (i < 0 || i >= 3) return std::nullopt;
  return reference_places_[static_cast<size_t>(i)];
}

Flow ParseSession::ReadFailure(const std::string& what) {
  SourceLocation at = ReaderPlace();
  std::vector<Note> notes;
  if (at.line != places_.keyword_line()) {
    notes.push_back(Note{at, what});
    at = KeywordPlace();
  } else {
    notes.push_back(Note{SourceLocation{}, what});
  }
  if (!recovering()) file_.DeleteRemaining();
  return Raise(Status::kReadFailure, at, std::nullopt, std::move(notes), Flow::kStop);
}

Flow ParseSession::StoreFailure(std::string why) {
  return StoreFailureAt(KeywordPlace(), std::move(why));
}

Flow ParseSession::StoreFailureAt(const SourceLocation& where, std::string why) {
  if (!recovering()) file_.DeleteRemaining();
  return Raise(Status::kReadFailure, where, std::nullopt, {Note{SourceLocation{}, std::move(why)}},
               Flow::kStop);
}

Flow ParseSession::OpenFailure(Source which) {
  if (!recovering()) file_.DeleteRemaining();
  Raise(Status::kReadFailure, FilePlace(which), std::nullopt,
        {Note{SourceLocation{}, file_.io_error()}}, Flow::kStop);
  return Flow::kStop;
}

bool ParseSession::InRange(int32_t p, int d) const {
  return InCells(static_cast<int64_t>(p) + d) <= static_cast<double>(s_.ultima_cella);
}

namespace {

// Why a numeric field could not be read, for the note of a read failure.
std::string ReadProblem(const FieldReader& r, std::string_view range) {
  if (r.error() == ReadError::kEndOfFile) {
    return "the file ends here, inside the entry: a value is missing";
  }
  return Quoted(r.numeric_text()) + " does not fit " + std::string(range);
}

}  // namespace

bool ParseSession::ReadInts(std::initializer_list<int32_t*> targets) {
  FieldReader& r = file_.reader();
  for (int32_t* target : targets) {
    bool ok = r.ReadInt32(target);
    CheckNumberText(ok);
    if (!ok) {
      ReadFailure(ReadProblem(r, "a 32-bit value"));
      return false;
    }
    KeepNumber(*target);
  }
  return true;
}

bool ParseSession::ReadShort(int16_t* target) {
  FieldReader& r = file_.reader();
  bool ok = r.ReadInt16(target);
  CheckNumberText(ok);
  if (ok) {
    KeepNumber(*target);
    return true;
  }
  ReadFailure(ReadProblem(r, "-32768 to 32767 (a 16-bit value)"));
  return false;
}

bool ParseSession::ReadByte(uint8_t* target) {
  FieldReader& r = file_.reader();
  bool ok = r.ReadByte(target);
  CheckNumberText(ok);
  if (ok) {
    KeepNumber(*target);
    return true;
  }
  ReadFailure(ReadProblem(r, "0 to 255 (an 8-bit value)"));
  return false;
}

bool ParseSession::ReadName(std::string* target) {
  FieldReader& r = file_.reader();
  if (r.ReadText(target) && target->size() <= kMaxNomeLength) {
    places_.FieldRead(r.line(), r.column(), r.end_column(), r.field_begin(), r.field_end());
    records_.Text(*target);
    return true;
  }
  ReadFailure(r.error() == ReadError::kEndOfFile
                  ? "the file ends here, inside the entry: its text is missing"
                  : "the text is longer than 65535 bytes");
  return false;
}

Flow ParseSession::Placed(int32_t posizione, const Esito& esito) {
  switch (esito.stato) {
    case Status::kNone:
      break;
    case Status::kReadFailure:
      return StoreFailure("a speed code, speed x 20 + right speed / 5, does not fit 16 bits");
    case Status::kBeyondCells:
      return RangeFailure(posizione);
    default:
      return Taken(esito.stato, posizione, esito.quante > 0 ? esito.celle[0] : -1);
  }
  for (int i = 0; i < esito.quante; ++i) Own(esito.celle[static_cast<size_t>(i)]);
  if (!recovering() && s_.diagnostic.stato > 0) {
    return Stop(static_cast<Status>(s_.diagnostic.stato), posizione, 0);
  }
  return Flow::kGoOn;
}

void ParseSession::Own(int64_t cell) {
  if (cell < 0 || static_cast<uint64_t>(cell) >= s_.celle.size()) return;
  cells_.Own(cell, s_.celle.size(), KeywordPlace(), places_.keyword());
  records_.Cell(cell);
}

void ParseSession::StationPlaced(int32_t slot) {
  if (slot < 0) return;
  slots_.StationRead(slot, KeywordPlace());
  ++findings_.counts.stations;
  records_.Slot(slot);
}

Flow ParseSession::Taken(Status code, int32_t posizione, int64_t cell) {
  std::vector<Note> notes;
  if (s_.cell_at(cell) != nullptr) notes.push_back(CellNote(cell));
  return StopWith(code, posizione, 0, std::move(notes));
}

void ParseSession::RouteRead(int32_t lunghezza) {
  stretches_.pending.clear();
  route_ = Note{KeywordPlace(), places_.keyword()};
  size_t begin = 0, end = 0;
  route_value_ = {};
  places_.ValueSpan(0, &route_value_, &begin, &end);
  route_length_ = lunghezza;
}

ParseFindings ParseSession::TakeFindings() {
  WarnQuotedSpans();
  findings_.io_error = file_.io_error();
  findings_.errors = std::move(policy_.errors());
  findings_.errors_left_out = policy_.left_out();
  findings_.warnings = std::move(warnings_.warnings());
  findings_.warnings_left_out = warnings_.left_out();
  if (past_end_more_ > 0 && past_end_error_ >= 0 &&
      static_cast<size_t>(past_end_error_) < findings_.errors.size()) {
    findings_.errors[static_cast<size_t>(past_end_error_)].notes.push_back(
        Note{past_end_last_, std::to_string(past_end_more_) +
                                 (past_end_more_ == 1 ? " more entry lies" : " more entries lie") +
                                 " past the end of the cells and " +
                                 (past_end_more_ == 1 ? "is left out; it is here"
                                                      : "are left out; the last of them is here")});
  }
  // What was left out is said once, after what was kept.
  if (findings_.errors_left_out > 0) {
    Diagnostic d;
    d.where = findings_.errors.back().where;
    d.where.line = 0;
    d.text =
        std::to_string(findings_.errors_left_out) + " more errors were found and are not listed";
    findings_.errors.push_back(std::move(d));
  }
  if (findings_.warnings_left_out > 0) {
    Diagnostic d;
    d.severity = Severity::kWarning;
    d.where = findings_.warnings.back().where;
    d.where.line = 0;
    d.text = std::to_string(findings_.warnings_left_out) +
             " more warnings were found and are not listed";
    findings_.warnings.push_back(std::move(d));
  }
  if (const Note* owner = cells_.owners().Of(1)) findings_.header_cell = *owner;
  findings_.owners = cells_.Take();
  return std::move(findings_);
}

}  // namespace percorso
