// Numbers for the scenario page: coordinates for SVG attributes and
// kilometres for labels and links.
#ifndef PERCORSO_INSPECT_PAGE_NUMBERS_H_
#define PERCORSO_INSPECT_PAGE_NUMBERS_H_

#include <cstdint>
#include <string>

namespace percorso {

/// A coordinate for an SVG attribute: at most one decimal, no trailing zero
/// ("12.5", "12", "-3").
std::string Num(double v);

/// Metres as kilometres without trailing zeros: 104000 gives "104", 2750
/// "2.75", 0 "0".
std::string KmLabel(int64_t metres);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_PAGE_NUMBERS_H_
