// What the editor says about the keywords of the two source files: each
// keyword with the section it belongs to, its fields in order with their unit
// and a line of help. Hover, completion and signature help read it.
#ifndef PERCORSO_LSP_KEYWORD_HELP_H_
#define PERCORSO_LSP_KEYWORD_HELP_H_

#include <span>
#include <string_view>

namespace percorso {

/// Where a keyword is read: the header of the line file (before its first
/// section after "[generale]"), the body of the line file, the train file.
enum class KeywordPlace { kLineHeader, kLineBody, kTrain };

struct FieldHelp {
  std::string_view name;
  std::string_view unit;  // "m", "km/h", "" ...
  std::string_view help;
};

struct KeywordHelp {
  /// The keyword as the built-in files write it.
  std::string_view keyword;
  KeywordPlace place;
  /// The section the built-in files give it; empty in the header.
  std::string_view section;
  std::string_view summary;
  std::span<const FieldHelp> fields;
  /// Whether its first field is a position in metres, from which the entry
  /// has a kilometre and a cell.
  bool positioned;
};

/// Every keyword, in the order of the tests of its place.
std::span<const KeywordHelp> Keywords();

/// The keyword of `place` that a keyword field holds, as the grammar finds
/// it (the first test that matches), or nullptr.
const KeywordHelp* KeywordOfField(std::string_view field, KeywordPlace place);

/// The section names of a file.
std::span<const std::string_view> SectionNames(bool line_file);

}  // namespace percorso

#endif  // PERCORSO_LSP_KEYWORD_HELP_H_
