// Recognising keyword fields. A keyword is found when the field contains the
// listed words anywhere. The header words of the line file are matched with
// their letter case; every other word ignores it (Windows-1252 capitals
// included).
#ifndef PERCORSO_COMPILER_KEYWORDS_H_
#define PERCORSO_COMPILER_KEYWORDS_H_

#include <optional>
#include <string_view>

namespace percorso {

/// True when `field` contains `word` with the same letter case.
bool HasExact(std::string_view field, std::string_view word);
/// True when `field` contains `word`, letter case ignored.
bool Has(std::string_view field, std::string_view word);

/// True when `field` contains "[generale]", letter case ignored.
bool IsGenerale(std::string_view field);

/// True for a field that is passed over as a remark: it contains "-".
bool IsDashField(std::string_view field);

/// True for the field that closes the line file's header: it contains "[" and
/// "]" and does not begin with "-" after its leading blanks.
bool ClosesHeader(std::string_view field);

/// The code of a signal repetition field: 4 when it contains "4", else 9 when
/// it contains "9", else 0 (neither).
int RepetitionCode(std::string_view field);

/// The turn per metre of a curve field: the first of the digits "1" to "6" that
/// it contains selects 0.0001, 0.0002, 0.0004, 0.001, 0.002 or 0.003, negated
/// when the field also contains "s" (either case). Nothing without a digit.
std::optional<double> CurveTurn(std::string_view field);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_KEYWORDS_H_
