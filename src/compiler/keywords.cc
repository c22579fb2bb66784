#include "compiler/keywords.h"

#include "model/grammar.h"
#include "model/windows1252.h"

namespace percorso {

bool HasExact(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

bool Has(std::string_view field, std::string_view word) {
  return ContainsIgnoringCase(field, word);
}

bool IsGenerale(std::string_view field) {
  return Has(field, kGenerale);
}

bool IsDashField(std::string_view field) {
  return HasExact(field, "-");
}

bool ClosesHeader(std::string_view field) {
  if (!HasExact(field, "[") || !HasExact(field, "]")) return false;
  size_t first = field.find_first_not_of(" \t");
  return first == std::string_view::npos || field[first] != '-';
}

int RepetitionCode(std::string_view field) {
  for (const RepetitionCodeWord& c : RepetitionCodeWords()) {
    if (HasExact(field, c.word)) return c.code;
  }
  return 0;
}

std::optional<double> CurveTurn(std::string_view field) {
  for (const CurveClass& c : CurveClasses()) {
    if (HasExact(field, c.digit)) return Has(field, kCurveSideWord) ? -c.turn : c.turn;
  }
  return std::nullopt;
}

}  // namespace percorso
