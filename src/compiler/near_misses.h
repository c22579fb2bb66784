// What an author may have meant by a field that the grammar does not read:
// the keyword or section name a few edits away, the grammar where a keyword is
// read, a prefix taken for a comment mark. Pure functions over texts, with the
// words of the keyword table.
#ifndef PERCORSO_COMPILER_NEAR_MISSES_H_
#define PERCORSO_COMPILER_NEAR_MISSES_H_

#include <optional>
#include <string_view>

#include "model/grammar.h"

namespace percorso {

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

}  // namespace percorso

#endif  // PERCORSO_COMPILER_NEAR_MISSES_H_
