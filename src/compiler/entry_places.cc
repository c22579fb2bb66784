#include "compiler/entry_places.h"

namespace percorso {

void EntryPlaces::AddDash(const std::string& field) {
  dashes_ += (dashes_.empty() ? "" : ", ") + field;
}

void EntryPlaces::StartEntry(const std::string& keyword, int line, int column, int end_column,
                             bool first_on_line) {
  keyword_ = keyword;
  keyword_line_ = line;
  keyword_column_ = column;
  keyword_end_column_ = end_column;
  keyword_first_on_line_ = first_on_line;
  if (dashes_.empty()) group_start_ = {keyword_line_, keyword_column_};
  fields_.clear();
}

SourceLocation EntryPlaces::FieldPlace(int field) const {
  if (field < 0 || static_cast<size_t>(field) >= fields_.size()) return KeywordPlace();
  const Span& f = fields_[static_cast<size_t>(field)];
  return f.line == keyword_line_ ? Here(f.line, f.column, f.end_column) : KeywordPlace();
}

std::vector<Note> EntryPlaces::FieldNotes(int field) const {
  if (field < 0 || static_cast<size_t>(field) >= fields_.size()) return {};
  const Span& f = fields_[static_cast<size_t>(field)];
  if (f.line == keyword_line_) return {};
  return {Note{Here(f.line, f.column, f.end_column),
               "the value at fault is read here, on a later line: the entry's "
               "own line holds fewer values than its keyword reads"}};
}

bool EntryPlaces::ValueSpan(int field, SourceLocation* where, size_t* begin, size_t* end) const {
  if (field < 0 || static_cast<size_t>(field) >= fields_.size()) return false;
  const Span& f = fields_[static_cast<size_t>(field)];
  *where = Here(f.line, f.column, f.end_column);
  *begin = f.begin;
  *end = f.end;
  return true;
}

bool EntryPlaces::OnKeywordLine(int field) const {
  return field >= 0 && static_cast<size_t>(field) < fields_.size() &&
         fields_[static_cast<size_t>(field)].line == keyword_line_;
}

size_t EntryPlaces::values_on_keyword_line() const {
  size_t on_line = 0;
  while (on_line < fields_.size() && fields_[on_line].line == keyword_line_) ++on_line;
  return on_line;
}

}  // namespace percorso
