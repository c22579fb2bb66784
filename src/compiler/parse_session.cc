#include "compiler/parse_session.h"

#include "compiler/keywords.h"

namespace percorso {
namespace {

// The table file stores a name's length in 16 bits.
constexpr size_t kLongestName = 65535;

// Dash fields passed over in a row in the body of either file.
constexpr int kBodyDashSkips = 2;

}  // namespace

bool ParseSession::Open(Source which) {
  current_ = which;
  reader_.reset();
  contents_.clear();
  SourceText text = files_.Read(which);
  if (!text.ok) {
    NoteIoError(text.error);
    return false;
  }
  contents_ = std::move(text.contents);
  reader_.emplace(contents_);
  return true;
}

bool ParseSession::NextBodyKeyword(std::string* keyword) {
  for (int skips = 0;; ++skips) {
    if (reader_->at_end()) return false;
    reader_->ReadText(keyword);
    if (reader_->at_end()) return false;
    if (skips == kBodyDashSkips || !IsDashField(*keyword)) break;
  }
  MarkKeyword(*keyword);
  return true;
}

void ParseSession::MarkKeyword(const std::string& keyword) {
  keyword_line_ = reader_->line();
  keyword_column_ = reader_->column();
  if (s.keep_source_entries) s.source_entries.push_back({KeywordPlace(), keyword, {}, {}});
}

void ParseSession::KeepNumber(int64_t value) {
  if (s.keep_source_entries && !s.source_entries.empty()) {
    s.source_entries.back().numbers.push_back(value);
  }
}

void ParseSession::Delete(Source which) {
  bool& deleted = which == Source::kLinea ? linea_deleted_ : treno_deleted_;
  if (deleted) return;
  deleted = true;
  std::string error;
  if (!files_.Delete(which, &error)) NoteIoError(error);
}

void ParseSession::NoteIoError(const std::string& message) {
  if (io_error_.empty()) io_error_ = message;
}

SourceLocation ParseSession::Here(int line, int column) const {
  return SourceLocation{files_.Name(current_), line, column};
}

Flow ParseSession::Stop(Status code, std::optional<int32_t> posizione) {
  DeleteCurrent();
  s.SetStatus(code, KeywordPlace(), posizione);
  return Flow::kStop;
}

Flow ParseSession::StopInFile(Status code) {
  DeleteCurrent();
  s.SetStatus(code, FilePlace(current_));
  return Flow::kStop;
}

Flow ParseSession::RangeFailure(int32_t posizione) {
  s.SetStatus(Status::kBeyondCells, KeywordPlace(), posizione);
  return Flow::kEndOfFile;
}

Flow ParseSession::ReadFailure() {
  return StoreFailureAt(Here(reader_->line(), reader_->column()));
}

Flow ParseSession::StoreFailure() {
  return StoreFailureAt(KeywordPlace());
}

Flow ParseSession::StoreFailureAt(const SourceLocation& where) {
  s.SetStatus(Status::kReadFailure, where);
  DeleteRemaining();
  return Flow::kStop;
}

Flow ParseSession::OpenFailure(Source which) {
  s.SetStatus(Status::kReadFailure, FilePlace(which));
  DeleteRemaining();
  return Flow::kStop;
}

void ParseSession::DeleteRemaining() {
  for (Source which : {Source::kLinea, Source::kTreno}) {
    if (files_.Exists(which)) Delete(which);
  }
}

bool ParseSession::InRange(int32_t p, int d) const {
  return (static_cast<double>(p) + d) / 50.0 <= static_cast<double>(s.ultima_cella);
}

bool ParseSession::ReadInts(std::initializer_list<int32_t*> targets) {
  for (int32_t* target : targets) {
    if (!reader_->ReadInt32(target)) {
      ReadFailure();
      return false;
    }
    KeepNumber(*target);
  }
  return true;
}

bool ParseSession::ReadShort(int16_t* target) {
  if (reader_->ReadInt16(target)) {
    KeepNumber(*target);
    return true;
  }
  ReadFailure();
  return false;
}

bool ParseSession::ReadByte(uint8_t* target) {
  if (reader_->ReadByte(target)) {
    KeepNumber(*target);
    return true;
  }
  ReadFailure();
  return false;
}

bool ParseSession::ReadName(std::string* target) {
  if (reader_->ReadText(target) && target->size() <= kLongestName) {
    if (s.keep_source_entries && !s.source_entries.empty()) s.source_entries.back().text = *target;
    return true;
  }
  ReadFailure();
  return false;
}

Flow ParseSession::Placed(int32_t posizione, Status code) {
  switch (code) {
    case Status::kNone:
      break;
    case Status::kReadFailure:
      return StoreFailure();
    case Status::kBeyondCells:
      return RangeFailure(posizione);
    default:
      return Stop(code, posizione);
  }
  if (s.diagnostic.stato > 0) return Stop(static_cast<Status>(s.diagnostic.stato), posizione);
  return Flow::kGoOn;
}

}  // namespace percorso
