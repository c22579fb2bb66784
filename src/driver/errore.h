// The fatal error report and the status report of a compile.
#ifndef PERCORSO_DRIVER_ERRORE_H_
#define PERCORSO_DRIVER_ERRORE_H_

#include <string>
#include <string_view>

#include "compiler/model.h"

namespace percorso {

/// The text of the fatal error report: " Errore n. " followed by `a`.
std::string errore(std::string_view a);

/// One line for a non-zero status: "FILE:LINE:COL: error: status N, position
/// P m: meaning", with as much of the location as is known.
std::string DescribeStatus(const Scenario& s);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_ERRORE_H_
