#include "compiler/field_reader.h"

namespace percorso {
namespace {

// Larger than every field width; a magnitude beyond it fits none of them.
constexpr int64_t kLargestMagnitude = 1000000000000;

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

bool NumericValue(std::string_view text, int64_t* value) {
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

  int64_t magnitude = 0;
  for (char c : whole) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kLargestMagnitude) return false;
  }
  if (RoundsUp(fraction, magnitude)) ++magnitude;
  *value = negative ? -magnitude : magnitude;
  return true;
}

bool IsWholeNumberText(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  return text.empty() || (SkipDigits(text, i) == text.size() && i < text.size());
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
  std::string raw;
  if (pos_ < text_.size() && text_[pos_] == '"') {
    raw = TakeQuoted();
    EndTextField();
  } else {
    size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !AtBlank() && !AtLineEnd()) Advance();
    raw.assign(text_.substr(start, pos_ - start));
    EndNumericField();
  }
  numeric_text_ = raw;
  int64_t v = 0;
  if (!NumericValue(raw, &v) || v < low || v > high) {
    error_ = ReadError::kDoesNotFit;
    return false;
  }
  *out = v;
  return true;
}

// Skips the leading blanks and notes where the field starts; false when the
// file is already at its end.
bool FieldReader::StartField() {
  if (at_end()) {
    error_ = ReadError::kEndOfFile;
    field_line_ = line_;
    field_column_ = column_;
    return false;
  }
  error_ = ReadError::kNone;
  SkipBlanks();
  field_line_ = line_;
  field_column_ = column_;
  field_first_on_line_ = fields_on_line_++ == 0;
  return true;
}

void FieldReader::SkipRestOfLine() {
  if (fields_on_line_ == 0) return;
  while (pos_ < text_.size() && !AtLineEnd()) Advance();
  if (pos_ < text_.size()) ConsumeLineEnd();
}

// The text between the opening quote at the current position and the closing
// quote, or the end of the file when there is none.
std::string FieldReader::TakeQuoted() {
  Advance();
  size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != '"') Advance();
  std::string quoted(text_.substr(start, pos_ - start));
  if (pos_ < text_.size()) Advance();
  return quoted;
}

void FieldReader::TakeUntilDelimiter(std::string* out) {
  size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) Advance();
  if (out != nullptr) out->assign(text_.substr(start, pos_ - start));
}

// Consumes the rest of a text field and its delimiter.
void FieldReader::EndTextField() {
  TakeUntilDelimiter(nullptr);
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    Advance();
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
    Advance();
  } else if (AtLineEnd()) {
    ConsumeLineEnd();
  }
}

bool FieldReader::AtBlank() const {
  return pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t');
}

bool FieldReader::AtLineEnd() const {
  return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void FieldReader::SkipBlanks() {
  while (AtBlank()) Advance();
}

// A line end is CR LF, a lone LF or a lone CR.
void FieldReader::ConsumeLineEnd() {
  if (text_[pos_] == '\r') {
    Advance();
    if (pos_ < text_.size() && text_[pos_] == '\n') Advance();
  } else if (text_[pos_] == '\n') {
    Advance();
  }
}

// Moves one byte on, keeping the line and column of the new position.
void FieldReader::Advance() {
  char c = text_[pos_++];
  bool crlf = c == '\r' && pos_ < text_.size() && text_[pos_] == '\n';
  if ((c == '\n' || c == '\r') && !crlf) {
    ++line_;
    column_ = 1;
    fields_on_line_ = 0;
  } else {
    ++column_;
  }
}

}  // namespace percorso
