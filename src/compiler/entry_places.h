// Where the entry being read stands in the open source file: its keyword
// field, the dash fields passed over before it, and each value it has read.
#ifndef PERCORSO_COMPILER_ENTRY_PLACES_H_
#define PERCORSO_COMPILER_ENTRY_PLACES_H_

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "model/diagnostic.h"

namespace percorso {

class EntryPlaces {
 public:
  /// Places are in the file named `file` from here on.
  void SetFile(std::string file) { file_ = std::move(file); }
  /// Line `line`, column `column` of the open file; with `end_column`, the
  /// field that runs from that column to that last byte.
  SourceLocation Here(int line, int column, int end_column = 0) const {
    return SourceLocation{file_, line, column, end_column};
  }

  /// A body entry's fields start afresh: no dash field passed over yet.
  void ClearDashes() { dashes_.clear(); }
  /// The first field of the entry's group (a dash field or the keyword field)
  /// stands at `line`, `column`.
  void StartGroup(int line, int column) { group_start_ = {line, column}; }
  /// The dash field `field` was passed over.
  void AddDash(const std::string& field);
  /// The keyword field `keyword` was read at `line`, `column`; `first_on_line`
  /// tells whether its group began its line. The entry has read no value yet.
  void StartEntry(const std::string& keyword, int line, int column, int end_column,
                  bool first_on_line);
  /// The entry read a value at `line` from `column` to `end_column`, bytes
  /// `begin` to `end` of the file.
  void FieldRead(int line, int column, int end_column, size_t begin, size_t end) {
    fields_.push_back({line, column, end_column, begin, end});
  }
  /// The place of value field `field` wherever it stands; the file's bytes
  /// it spans in `*begin` and `*end`. False for a field not read.
  bool ValueSpan(int field, SourceLocation* where, size_t* begin, size_t* end) const;

  const std::string& keyword() const { return keyword_; }
  int keyword_line() const { return keyword_line_; }
  bool first_on_line() const { return keyword_first_on_line_; }
  /// The dash fields passed over before the keyword field, joined by ", ".
  const std::string& dashes() const { return dashes_; }
  /// The place of the group's first field.
  SourceLocation GroupPlace() const {
    return dashes_.empty() ? KeywordPlace() : Here(group_start_.first, group_start_.second);
  }
  /// The place of the keyword field.
  SourceLocation KeywordPlace() const {
    return Here(keyword_line_, keyword_column_, keyword_end_column_);
  }
  /// The place of value field `field` (0 is the first): on the keyword's
  /// line, else the keyword field's place.
  SourceLocation FieldPlace(int field) const;
  /// Notes for an error at `field`: where the field stands when it is on
  /// another line than the keyword.
  std::vector<Note> FieldNotes(int field) const;
  /// True when value field `field` stands on the keyword's line.
  bool OnKeywordLine(int field) const;

  /// How many values the entry has read.
  size_t values_read() const { return fields_.size(); }
  /// The line of the last value read; only when one was.
  int last_value_line() const { return fields_.back().line; }
  /// How many of the values read stand on the keyword's line.
  size_t values_on_keyword_line() const;

 private:
  std::string file_;
  std::string keyword_;
  int keyword_line_ = 0;
  int keyword_column_ = 0;
  int keyword_end_column_ = 0;
  bool keyword_first_on_line_ = false;
  struct Span {
    int line;
    int column;
    int end_column;
    size_t begin;
    size_t end;
  };
  std::vector<Span> fields_;
  std::string dashes_;
  std::pair<int, int> group_start_;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_ENTRY_PLACES_H_
