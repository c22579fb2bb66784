#include "compiler/parse_session.h"

#include "compiler/keywords.h"

namespace percorso {
namespace {

// Dash fields passed over in a row in the body of either file.
constexpr int kBodyDashSkips = 2;

}  // namespace

bool ParseSession::Open(Source which) {
  current_ = which;
  reader_.reset();
  contents_.clear();
  if (!files_.Read(which, &contents_)) return false;
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
  MarkKeyword();
  return true;
}

void ParseSession::MarkKeyword() {
  keyword_line_ = reader_->line();
  keyword_column_ = reader_->column();
}

void ParseSession::Delete(Source which) {
  bool& deleted = which == Source::kLinea ? linea_deleted_ : treno_deleted_;
  if (deleted) return;
  deleted = true;
  files_.Delete(which);
}

SourceLocation ParseSession::Here(int line, int column) const {
  return SourceLocation{files_.Name(current_), line, column};
}

void ParseSession::SetStatus(int code) {
  s.stato = code;
  s.luogo_stato = Here(keyword_line_, keyword_column_);
}

void ParseSession::SetStatusInFile(int code, Source which) {
  s.stato = code;
  s.luogo_stato = SourceLocation{files_.Name(which), 0, 0};
}

Flow ParseSession::Stop(int code) {
  DeleteCurrent();
  SetStatus(code);
  return Flow::kStop;
}

Flow ParseSession::StopAt(int code, int32_t posizione) {
  s.progressiva_errore = posizione;
  return Stop(code);
}

Flow ParseSession::RangeFailure(int32_t posizione) {
  SetStatus(15);
  s.progressiva_errore = posizione;
  return Flow::kEndOfFile;
}

Flow ParseSession::ReadFailure() {
  return StoreFailureAt(Here(reader_->line(), reader_->column()));
}

Flow ParseSession::StoreFailure() {
  return StoreFailureAt(KeywordPlace());
}

Flow ParseSession::StoreFailureAt(const SourceLocation& where) {
  s.stato = 25;
  s.luogo_stato = where;
  DeleteRemaining();
  return Flow::kStop;
}

Flow ParseSession::OpenFailure(Source which) {
  SetStatusInFile(25, which);
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
  }
  return true;
}

bool ParseSession::ReadShort(int16_t* target) {
  if (reader_->ReadInt16(target)) return true;
  ReadFailure();
  return false;
}

bool ParseSession::ReadByte(uint8_t* target) {
  if (reader_->ReadByte(target)) return true;
  ReadFailure();
  return false;
}

bool ParseSession::ReadName(std::string* target) {
  if (reader_->ReadText(target) && target->size() <= kMaxNomeLength) return true;
  ReadFailure();
  return false;
}

Flow ParseSession::Place(int32_t posizione, const std::function<bool()>& place) {
  // The operation starts from a clear status so that a 15 of its own can be
  // told from one left by the line file.
  int32_t before = s.stato;
  s.stato = 0;
  bool stored = place();
  int32_t placed = s.stato;
  if (placed == 0) s.stato = before;
  if (!stored) return StoreFailure();
  if (placed == 15) return RangeFailure(posizione);
  if (s.stato > 0) return StopAt(s.stato, posizione);
  return Flow::kGoOn;
}

}  // namespace percorso
