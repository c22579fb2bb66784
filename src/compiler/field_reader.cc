#include "compiler/field_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace percorso {
namespace {

// Larger than every field width; a magnitude beyond it fits none of them.
constexpr int64_t kLargestMagnitude = 1000000000000;

// What a byte is to the scanner of fields.
enum ByteClass : uint8_t { kComma = 1, kBlank = 2, kLineEnd = 4 };

constexpr std::array<uint8_t, 256> MakeClasses() {
  std::array<uint8_t, 256> classes{};
  classes[','] = kComma;
  classes[' '] = kBlank;
  classes['\t'] = kBlank;
  classes['\r'] = kLineEnd;
  classes['\n'] = kLineEnd;
  return classes;
}

constexpr std::array<uint8_t, 256> kClasses = MakeClasses();

bool Is(char c, uint8_t classes) {
  return (kClasses[static_cast<uint8_t>(c)] & classes) != 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view t, size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

// Rounds up when the fraction is above one half, and on exactly one half when
// the integer part is odd.
bool RoundsUp(std::string_view fraction, int64_t magnitude) {
  if (fraction.empty()) return false;
  if (fraction[0] != '5') return fraction[0] > '5';
  for (size_t i = 1; i < fraction.size(); ++i) {
    if (fraction[i] != '0') return true;
  }
  return magnitude % 2 != 0;
}

}  // namespace

bool NumericValue(std::string_view text, int64_t* value, NumberForm* form) {
  NumberForm unused = NumberForm::kNotANumber;
  if (form == nullptr) form = &unused;
  *form = NumberForm::kNotANumber;
  *value = 0;
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t digits_end = SkipDigits(text, i);
  if (digits_end == i) return true;
  std::string_view whole = text.substr(i, digits_end - i);
  std::string_view fraction;
  size_t end = digits_end;
  if (end < text.size() && text[end] == '.') {
    end = SkipDigits(text, digits_end + 1);
    if (end == digits_end + 1) return true;
    fraction = text.substr(digits_end + 1, end - digits_end - 1);
  }
  if (end != text.size()) return true;
  *form = end == digits_end ? NumberForm::kWhole : NumberForm::kDecimal;

  int64_t magnitude = 0;
  for (char c : whole) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLargestMagnitude) return false;
  }
  if (RoundsUp(fraction, magnitude)) ++magnitude;
  *value = negative ? -magnitude : magnitude;
  return true;
}

size_t LineEndAt(std::string_view text, size_t i) {
  if (i >= text.size()) return 0;
  if (text[i] == '\n') return 1;
  if (text[i] != '\r') return 0;
  return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
}

bool FieldReader::ReadText(std::string* out) {
  out->clear();
  if (!StartField()) return false;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    *out = TakeQuoted();
  } else {
    TakeUntilDelimiter(out);
  }
  EndTextField();
  return true;
}

bool FieldReader::ReadInt32(int32_t* out) {
  int64_t v = 0;
  if (!ReadInteger(INT32_MIN, INT32_MAX, &v)) return false;
  *out = static_cast<int32_t>(v);
  return true;
}

bool FieldReader::ReadInt16(int16_t* out) {
  int64_t v = 0;
  if (!ReadInteger(INT16_MIN, INT16_MAX, &v)) return false;
  *out = static_cast<int16_t>(v);
  return true;
}

bool FieldReader::ReadByte(uint8_t* out) {
  int64_t v = 0;
  if (!ReadInteger(0, 255, &v)) return false;
  *out = static_cast<uint8_t>(v);
  return true;
}

bool FieldReader::ReadInteger(int64_t low, int64_t high, int64_t* out) {
  if (!StartField()) return false;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    numeric_text_ = TakeQuoted();
    EndTextField();
  } else {
    size_t start = pos_;
    while (pos_ < text_.size() && !Is(text_[pos_], kComma | kBlank | kLineEnd)) ++pos_;
    numeric_text_.assign(text_.substr(start, pos_ - start));
    field_end_ = pos_;
    EndNumericField();
  }
  const bool read = NumericValue(numeric_text_, &numeric_value_, &numeric_form_);
  if (!read || numeric_value_ < low || numeric_value_ > high) {
    error_ = ReadError::kDoesNotFit;
    return false;
  }
  *out = numeric_value_;
  return true;
}

// Skips the leading blanks and notes where the field starts; false when the
// file is already at its end.
bool FieldReader::StartField() {
  tried_ = true;
  if (at_end()) {
    error_ = ReadError::kEndOfFile;
    field_pos_ = pos_;
    field_end_ = pos_;
    return false;
  }
  error_ = ReadError::kNone;
  SkipBlanks();
  field_pos_ = pos_;
  started_before_ = started_;
  started_ = pos_;
  return true;
}

bool FieldReader::first_on_line() const {
  if (started_ == kNone) return false;
  return started_before_ == kNone || LineEndBetween(started_before_, started_);
}

void FieldReader::SkipRestOfLine() {
  // Nothing read since the last line end: the reader is at the start of a
  // line.
  if (started_ == kNone || LineEndBetween(started_, pos_)) return;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  if (pos_ < text_.size()) ConsumeLineEnd();
}

// The text between the opening quote at the current position and the closing
// quote, or the end of the file when there is none.
std::string FieldReader::TakeQuoted() {
  const size_t start = pos_ + 1;
  const void* quote = std::memchr(text_.data() + start, '"', text_.size() - start);
  const size_t end = quote != nullptr
                         ? static_cast<size_t>(static_cast<const char*>(quote) - text_.data())
                         : text_.size();
  std::string quoted(text_.substr(start, end - start));
  const size_t line_end = quoted.find_first_of("\r\n");
  if (line_end != std::string::npos) {
    NoteQuotedSpan(pos_, end);
    field_end_ = start + line_end;
  } else {
    field_end_ = end < text_.size() ? end + 1 : end;
  }
  pos_ = end < text_.size() ? end + 1 : end;
  return quoted;
}

// The quote at `open` runs to `close` (the end of the text when unclosed)
// across line ends; a CR LF is one line end.
void FieldReader::NoteQuotedSpan(size_t open, size_t close) {
  QuotedSpan span;
  span.line = line();
  span.column = column();
  size_t line_start = open;
  for (size_t i = open; i < close;) {
    const size_t n = LineEndAt(text_, i);
    if (n == 0) {
      ++i;
      continue;
    }
    i += n;
    line_start = i;
    ++span.line_ends;
  }
  if (close < text_.size()) {
    span.close_line = span.line + span.line_ends;
    span.close_column = static_cast<int>(close - line_start) + 1;
    span.last_line = span.close_line;
  } else {
    // The last line that holds a byte of the text.
    span.last_line = span.line + span.line_ends - (line_start == close ? 1 : 0);
  }
  quoted_spans_.push_back(span);
}

void FieldReader::TakeUntilDelimiter(std::string* out) {
  size_t start = pos_;
  while (pos_ < text_.size() && !Is(text_[pos_], kComma | kLineEnd)) ++pos_;
  if (out == nullptr) return;
  out->assign(text_.substr(start, pos_ - start));
  field_end_ = pos_;
  while (field_end_ > start && Is(text_[field_end_ - 1], kBlank)) --field_end_;
}

// Consumes the rest of a text field and its delimiter.
void FieldReader::EndTextField() {
  TakeUntilDelimiter(nullptr);
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else {
    ConsumeLineEnd();
  }
}

// Blanks after a number belong to its delimiter: a comma or a line end after
// them is consumed with them; anything else starts the next field.
void FieldReader::EndNumericField() {
  SkipBlanks();
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else if (AtLineEnd()) {
    ConsumeLineEnd();
  }
}

bool FieldReader::AtBlank() const {
  return pos_ < text_.size() && Is(text_[pos_], kBlank);
}

bool FieldReader::AtLineEnd() const {
  return pos_ < text_.size() && Is(text_[pos_], kLineEnd);
}

void FieldReader::SkipBlanks() {
  while (AtBlank()) ++pos_;
}

void FieldReader::ConsumeLineEnd() {
  pos_ += LineEndAt(text_, pos_);
}

// True when a line end is passed between `from` and `to`; a CR LF is passed
// at its LF.
bool FieldReader::LineEndBetween(size_t from, size_t to) const {
  for (size_t i = from; i < to; ++i) {
    const char c = text_[i];
    if (c == '\n' || (c == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n'))) return true;
  }
  return false;
}

// Counts the line ends before `pos` that are not counted yet; a CR LF counts
// at its LF. The next CR and the next LF are found with memchr and kept.
void FieldReader::CountLinesTo(size_t pos) const {
  if (pos < counted_) {
    counted_ = 0;
    line_ = 1;
    line_start_ = 0;
    next_cr_ = kNone;
    next_lf_ = kNone;
  }
  auto find = [this](char c, size_t from) {
    const void* p = std::memchr(text_.data() + from, c, text_.size() - from);
    return p != nullptr ? static_cast<size_t>(static_cast<const char*>(p) - text_.data())
                        : text_.size();
  };
  size_t i = counted_;
  for (;;) {
    if (next_cr_ == kNone || next_cr_ < i) next_cr_ = find('\r', i);
    if (next_lf_ == kNone || next_lf_ < i) next_lf_ = find('\n', i);
    const size_t end = std::min(next_cr_, next_lf_);
    if (end >= pos) {
      // Up to `end` the line stays the same.
      line_limit_ = end;
      break;
    }
    i = end + 1;
    if (end == next_cr_ && i < text_.size() && text_[i] == '\n') continue;
    ++line_;
    line_start_ = i;
  }
  counted_ = pos;
}

}  // namespace percorso
