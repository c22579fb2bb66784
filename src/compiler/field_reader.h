// Reading a source file field by field. A field ends at a comma or at a line
// end (CR LF, a lone LF or a lone CR); blanks (spaces and tabs) before it are
// skipped. A text field keeps its inner and trailing blanks. A numeric field
// also ends at a blank; the blanks after it, up to a comma or a line end, belong
// to that one delimiter. A field that starts with a double quote runs to its
// closing quote (across commas and line ends) and is taken verbatim; whatever
// follows the closing quote up to the next comma or line end is dropped. Line
// ends carry no meaning beyond ending a field.
#ifndef PERCORSO_COMPILER_FIELD_READER_H_
#define PERCORSO_COMPILER_FIELD_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace percorso {

/// Why a read failed.
enum class ReadError { kNone, kEndOfFile, kDoesNotFit };

/// How the text of a numeric field reads: a whole number (a sign and digits),
/// a number with a fraction, or no number at all.
enum class NumberForm { kWhole, kDecimal, kNotANumber };

/// The value of a numeric field: a whole text of an optional sign, digits and
/// an optional fraction (a dot and digits) reads that number rounded to the
/// nearest integer, halves to even; any other text, the empty text included,
/// reads 0. Returns false when the magnitude is too large for any field width.
/// `form`, when given, gets the form of the text.
bool NumericValue(std::string_view text, int64_t* value, NumberForm* form = nullptr);

/// The length of the line end that starts at byte `i` of `text`: 2 for CR LF,
/// 1 for a lone LF or a lone CR, 0 when none starts there.
size_t LineEndAt(std::string_view text, size_t i);

class FieldReader {
 public:
  /// Reads `contents`, which must outlive the reader.
  explicit FieldReader(std::string_view contents) : text_(contents) {}

  /// True once every byte has been consumed: the end-of-file test made after
  /// each read.
  bool at_end() const { return pos_ >= text_.size(); }

  /// Reads a text field. Fails (kEndOfFile) only when the file is already at
  /// its end.
  bool ReadText(std::string* out);
  /// Reads a numeric field into a 32-bit signed, 16-bit signed or 8-bit
  /// unsigned (0 to 255) value. Fails at the end of the file, and (kDoesNotFit)
  /// when the rounded value does not fit the width.
  bool ReadInt32(int32_t* out);
  bool ReadInt16(int16_t* out);
  bool ReadByte(uint8_t* out);

  /// 1-based line and column where the last field started (after its leading
  /// blanks), or, after a failed read at the end of the file, of the end.
  /// Lines are counted when a place is asked for, on from the last place
  /// asked for.
  /// Both are 0 before the first read.
  int line() const {
    if (!tried_) return 0;
    Locate(field_pos_);
    return line_;
  }
  int column() const {
    if (!tried_) return 0;
    Locate(field_pos_);
    return static_cast<int>(field_pos_ - line_start_) + 1;
  }
  /// The last byte (1-based, on the line of column()) of the last field as
  /// written: a number's text, a text without its trailing blanks, a quoted
  /// text with its quotes (to the end of its first line when it runs on).
  /// One less than column() for an empty field.
  int end_column() const {
    if (!tried_) return 0;
    Locate(field_pos_);
    return static_cast<int>(field_end_ - line_start_);
  }
  /// The bytes of the last field as written (as end_column() bounds it):
  /// where it starts in the text and where it ends.
  size_t field_begin() const { return field_pos_; }
  size_t field_end() const { return field_end_; }
  /// Why the last read failed; kNone after a successful read.
  ReadError error() const { return error_; }
  /// The text of the last numeric field, as it stood in the file.
  const std::string& numeric_text() const { return numeric_text_; }
  /// What NumericValue made of that text: its value and its form.
  int64_t numeric_value() const { return numeric_value_; }
  NumberForm numeric_form() const { return numeric_form_; }
  /// True when the last field read was the first one on its line.
  bool first_on_line() const;

  /// Moves to the start of the next line, unless the reader is already at the
  /// start of a line: what is left of the current line is not read.
  void SkipRestOfLine();

  /// A quoted field that ran across line ends: where its opening quote stands
  /// (1-based), how many line ends it took in, where its closing quote stands
  /// (line 0 when the end of the file closed it), and the last line that holds
  /// a byte of it.
  struct QuotedSpan {
    int line = 0;
    int column = 0;
    int line_ends = 0;
    int close_line = 0;
    int close_column = 0;
    int last_line = 0;
  };
  /// Every quoted field read so far that ran across line ends, in order.
  const std::vector<QuotedSpan>& quoted_spans() const { return quoted_spans_; }

 private:
  bool ReadInteger(int64_t low, int64_t high, int64_t* out);
  bool StartField();
  std::string TakeQuoted();
  void NoteQuotedSpan(size_t open, size_t close);
  void TakeUntilDelimiter(std::string* out);
  void EndTextField();
  void EndNumericField();
  bool AtBlank() const;
  bool AtLineEnd() const;
  void SkipBlanks();
  void ConsumeLineEnd();
  bool LineEndBetween(size_t from, size_t to) const;
  /// Brings the line count to `pos`; most places asked for lie on the line
  /// of the one before.
  void Locate(size_t pos) const {
    if (pos >= counted_ && pos <= line_limit_) {
      counted_ = pos;
    } else {
      CountLinesTo(pos);
    }
  }
  void CountLinesTo(size_t pos) const;

  std::string_view text_;
  size_t pos_ = 0;
  // Where the last field started (after a failed read at the end of the file,
  // the end); where the last field that was read started and where the one
  // before it started, when there were such fields.
  size_t field_pos_ = 0;
  size_t field_end_ = 0;
  bool tried_ = false;
  static constexpr size_t kNone = static_cast<size_t>(-1);
  size_t started_ = kNone;
  size_t started_before_ = kNone;
  ReadError error_ = ReadError::kNone;
  std::string numeric_text_;
  int64_t numeric_value_ = 0;
  NumberForm numeric_form_ = NumberForm::kNotANumber;
  std::vector<QuotedSpan> quoted_spans_;
  // Lines counted up to `counted_`: the line there and where it starts; the
  // first CR and the first LF at or after the last place looked at.
  mutable size_t counted_ = 0;
  mutable int line_ = 1;
  mutable size_t line_start_ = 0;
  mutable size_t next_cr_ = kNone;
  mutable size_t next_lf_ = kNone;
  // No line end lies between `counted_` and this place.
  mutable size_t line_limit_ = 0;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_FIELD_READER_H_
