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

namespace percorso {

/// Why a read failed.
enum class ReadError { kNone, kEndOfFile, kDoesNotFit };

/// The value of a numeric field: a whole text of an optional sign, digits and
/// an optional fraction (a dot and digits) reads that number rounded to the
/// nearest integer, halves to even; any other text, the empty text included,
/// reads 0. Returns false when the magnitude is too large for any field width.
bool NumericValue(std::string_view text, int64_t* value);

/// True for the text of a whole number as the sources write it: an optional
/// sign and digits, or nothing at all (an empty field reads 0 by design).
bool IsWholeNumberText(std::string_view text);

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
  int line() const { return field_line_; }
  int column() const { return field_column_; }
  /// Why the last read failed; kNone after a successful read.
  ReadError error() const { return error_; }
  /// The text of the last numeric field, as it stood in the file.
  const std::string& numeric_text() const { return numeric_text_; }
  /// True when the last field read was the first one on its line.
  bool first_on_line() const { return field_first_on_line_; }

  /// Moves to the start of the next line, unless the reader is already at the
  /// start of a line: what is left of the current line is not read.
  void SkipRestOfLine();

 private:
  bool ReadInteger(int64_t low, int64_t high, int64_t* out);
  bool StartField();
  std::string TakeQuoted();
  void TakeUntilDelimiter(std::string* out);
  void EndTextField();
  void EndNumericField();
  bool AtBlank() const;
  bool AtLineEnd() const;
  void SkipBlanks();
  void ConsumeLineEnd();
  void Advance();

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int column_ = 1;
  int field_line_ = 0;
  int field_column_ = 0;
  ReadError error_ = ReadError::kNone;
  std::string numeric_text_;
  // Fields started since the last line end, and whether the last field was
  // the first of them.
  int fields_on_line_ = 0;
  bool field_first_on_line_ = false;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_FIELD_READER_H_
