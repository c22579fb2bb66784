// What the warnings of a parse are made of: the keywords and section names an
// author may have meant, comment-like prefixes, the encoding of a file, and the
// words for what a cell holds. Pure functions over texts.
#ifndef PERCORSO_COMPILER_SOURCE_CHECKS_H_
#define PERCORSO_COMPILER_SOURCE_CHECKS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/grammar.h"

namespace percorso {

/// `s` without the blanks (spaces and tabs) at either end.
std::string_view Trim(std::string_view s);

/// A text of the sources as a message quotes it: between single quotes,
/// converted from Windows-1252 to UTF-8.
std::string Quoted(std::string_view text);

/// The number of single-character insertions, deletions, substitutions and
/// swaps of neighbours that turn `a` into `b`, letter case ignored.
int EditDistance(std::string_view a, std::string_view b);

/// The keyword line an unrecognised field probably meant, written as the
/// sources write it ("segnale", "lunghezza percorso"): a word of the field is
/// one or two edits from a word of a keyword of `g`. Nothing when no word is
/// that near.
std::optional<std::string_view> NearestKeyword(std::string_view field, Grammar g);

/// Where a field that `g` does not read belongs when it holds a keyword of
/// another grammar: "the line file's header", "the body of the line file" or
/// "the train file". Nothing otherwise.
std::optional<std::string_view> KeywordElsewhere(std::string_view field, Grammar g);

/// True for a section name: "[" and "]" around the field's text.
bool IsSectionName(std::string_view field);
/// True when the section name is one the system's own files use (letter case
/// ignored); `line_file` selects the list.
bool IsKnownSection(std::string_view field, bool line_file);
/// The known section name nearest to `field`, when it is a few edits away.
std::optional<std::string_view> NearestSection(std::string_view field, bool line_file);

/// The prefix of a field that an author may take for a comment mark ("#",
/// "//", ";", "'", "*", "rem "), or nothing.
std::optional<std::string_view> CommentPrefix(std::string_view field);

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

/// What a cell of type `tipo` holds, in words ("a signal").
std::string_view TipoDescription(uint8_t tipo);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_SOURCE_CHECKS_H_
