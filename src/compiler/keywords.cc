#include "compiler/keywords.h"

#include "model/windows1252.h"

namespace percorso {

bool HasExact(std::string_view field, std::string_view word) {
  return field.find(word) != std::string_view::npos;
}

bool Has(std::string_view field, std::string_view word) {
  return ContainsIgnoringCase(field, word);
}

bool IsGenerale(std::string_view field) {
  return Has(field, "[generale]");
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
  if (HasExact(field, "4")) return 4;
  if (HasExact(field, "9")) return 9;
  return 0;
}

std::optional<double> CurveTurn(std::string_view field) {
  struct Class {
    std::string_view digit;
    double turn;
  };
  static constexpr Class kClasses[] = {{"1", 0.0001}, {"2", 0.0002}, {"3", 0.0004},
                                       {"4", 0.001},  {"5", 0.002},  {"6", 0.003}};
  for (const Class& c : kClasses) {
    if (HasExact(field, c.digit)) return Has(field, "s") ? -c.turn : c.turn;
  }
  return std::nullopt;
}

}  // namespace percorso
