// The texts of the source files as the diagnostics quote them: trimmed,
// quoted, a line of a file, the encoding of a file. Pure functions over
// texts.
#ifndef PERCORSO_COMPILER_SOURCE_TEXT_H_
#define PERCORSO_COMPILER_SOURCE_TEXT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace percorso {

/// `s` without the blanks (spaces and tabs) at either end.
std::string_view Trim(std::string_view s);

/// True when a line of `t` reads "[fine]" (letter case aside) once its blanks
/// and whatever follows a comma are left out: the line that ends a file.
bool HasFineLine(std::string_view t);

/// The number (1-based) of the last line of `t` that holds more than blanks,
/// or 0 when none does. A line ends at CR LF, CR or LF.
int LastTextLine(std::string_view t);

/// A text of the sources as a message quotes it: between single quotes,
/// converted from Windows-1252 to UTF-8.
std::string Quoted(std::string_view text);

/// How the bytes of a source file are encoded, as far as a warning is
/// concerned.
struct Encoding {
  enum Kind { kWindows1252, kUtf8, kUtf16 } kind = kWindows1252;
  /// For UTF-16: "UTF-16LE" or "UTF-16BE". For UTF-8: the first character
  /// outside ASCII, as UTF-8.
  std::string detail;
  /// Where that character stands (1-based), for UTF-8.
  int line = 0;
  int column = 0;
  /// The file starts with a UTF-8 byte-order mark (not counted as the first
  /// character outside ASCII).
  bool bom = false;
};
Encoding DetectEncoding(std::string_view t);

/// The text of line `line` (1-based) of `contents`, without its line end, with
/// at most `limit` bytes: the file's own Windows-1252 bytes.
std::string LineText(std::string_view contents, int line, size_t limit = 60);

/// Where a reader of a text's lines stands: line `line` starts at byte
/// `start`. Asking for lines in increasing order costs one pass over the text.
struct LineCursor {
  int line = 1;
  size_t start = 0;
};

/// As LineText, starting from `*cursor` when `line` is not before it (else
/// from the first line), and leaving the cursor at `line`.
std::string LineTextFrom(std::string_view contents, int line, LineCursor* cursor,
                         size_t limit = 60);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_SOURCE_TEXT_H_
