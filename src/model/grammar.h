// The grammar of the two source files as data: every keyword with its section,
// the words that recognise it, its fields in the order they are read (name,
// kind, unit, what an odd value does) and one sentence of help; the section
// names; the words of a curve's class and of the signal repetition's code. The
// parser, its warnings, the viewer and the help all read this one table.
#ifndef PERCORSO_MODEL_GRAMMAR_H_
#define PERCORSO_MODEL_GRAMMAR_H_

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "model/model.h"

namespace percorso {

/// Where in the sources a keyword field is read: the header of the line file,
/// its body, or the train file.
enum class Grammar { kLineHeader, kLineBody, kTrain };

/// Every keyword, in the order of its section's tests.
enum class KeywordId {
  // The line file's header.
  kLunghezzaPercorso,
  kProgressivaTre,
  kProgressivaDue,
  kProgressivaUno,
  kSfondoUno,
  kSfondoDue,
  kSfondoTre,
  kRipetizioneSegnali,
  // The line file's body.
  kPendenza,
  kCurva,
  kMontagna,
  kIndicatoriV,
  kCartelloIndicatore,
  // The train file.
  kMassaFrenata,
  kVetture,
  kVelocita,
  kAderenza,
  kOrologio,
  kSabbia,
  kSegnale,
  kRallentamento,
  kAbbattimento,
  kStazione,
};

/// How a field is read: a 32-bit, 16-bit or unsigned 8-bit integer (L, I, B),
/// or a text that runs to the next comma or the end of the line (T).
enum class FieldKind { kInt32, kInt16, kByte, kText };

/// The letter the reference writes for `kind`: "L", "I", "B" or "T".
std::string_view FieldKindLetter(FieldKind kind);

/// One field of a keyword's entry.
struct FieldRule {
  /// The field's name, as the reference and the viewer write it ("posizione",
  /// "vas", "gradient").
  std::string_view name;
  FieldKind kind = FieldKind::kInt32;
  /// "m", "km/h", or empty for a plain value.
  std::string_view unit;
  /// What a value out of the ordinary does (a status, a warning, what is
  /// stored); empty when nothing.
  std::string_view odd;
};

/// One keyword of a source file.
struct KeywordRule {
  KeywordId id;
  Grammar section;
  /// The keyword as the reference names it ("pendenza", "indicatori_v").
  std::string_view name;
  /// A keyword field that the system's own files write for it ("curvas1",
  /// "numero vetture"): what a misspelt keyword is pointed to.
  std::string_view written;
  /// The words the keyword field must all contain (the second may be empty),
  /// byte for byte.
  std::array<std::string_view, 2> words;
  /// The words are matched with their letter case (else case is ignored,
  /// Windows-1252 capitals included).
  bool exact_case = false;
  /// The kind of the records the viewer gets from the entry; nothing for the
  /// header, whose entries are not kept.
  std::optional<EntryKind> record;
  /// The fields that follow the keyword field, in the order they are read.
  std::span<const FieldRule> fields;
  /// One sentence: what the entry is.
  std::string_view help;
  /// The words of a misspelt field that are compared with this keyword, in
  /// the order they are tried (a keyword may have none of its own: the
  /// "progressiva" words point at "progressiva chilometrica uno").
  std::span<const std::string_view> near_words;
};

/// Every keyword, section by section, each section in the order of its tests.
std::span<const KeywordRule> Keywords();
/// The keywords of one section, in the order of their tests.
std::span<const KeywordRule> KeywordsOf(Grammar section);
/// The keyword `id`.
const KeywordRule& Keyword(KeywordId id);

/// True when `field` holds every recognition word of `keyword`.
bool Matches(const KeywordRule& keyword, std::string_view field);
/// True when `field` holds every recognition word of the keyword `id`.
bool Matches(KeywordId id, std::string_view field);

/// The index, among the numbers a record of `kind` keeps (its numeric fields
/// in reading order), of the field named `name`; nothing when the keyword of
/// that kind has no such numeric field. Records of values of the train itself
/// (EntryKind::kTrainValue) come from several keywords and have no names.
std::optional<size_t> NumberIndex(EntryKind kind, std::string_view name);

/// The section names that the system's own files write, "[generale]" first.
std::span<const std::string_view> SectionNames(bool line_file);
/// The section name that opens what the parser reads of either file.
inline constexpr std::string_view kGenerale = "[generale]";

/// A class of curve: the digit that names it in the keyword field and its turn
/// per metre. The first digit of the list that the field holds selects it.
struct CurveClass {
  std::string_view digit;
  double turn;
};
std::span<const CurveClass> CurveClasses();
/// The letter that turns a curve the other way ("s", letter case ignored).
inline constexpr std::string_view kCurveSideWord = "s";

/// A code of the signal repetition: the word that names it in the keyword
/// field. The first of the list that the field holds gives the code.
struct RepetitionCodeWord {
  std::string_view word;
  int code;
};
std::span<const RepetitionCodeWord> RepetitionCodeWords();

}  // namespace percorso

#endif  // PERCORSO_MODEL_GRAMMAR_H_
