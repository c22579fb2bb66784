// The one form in which diagnostics are printed:
//   FILE:LINE:COL: error|warning|note: text
// with "FILE:" alone for a whole file and "percorso:" for no file. An error
// that stored a status ends with "[status N, position P m]". Colour, as GCC
// gives it, only when asked for.
#ifndef PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_
#define PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_

#include <ostream>
#include <string>
#include <vector>

#include "compiler/diagnostic.h"

namespace percorso {

struct DiagnosticStyle {
  bool colour = false;
  /// False with -w: warnings are not printed.
  bool warnings = true;
  /// At most this many errors are printed, then "too many errors"; 0: no
  /// limit.
  int max_errors = 0;
};

/// The lines of one diagnostic and its notes, each ending in a line end.
std::string FormatDiagnostic(const Diagnostic& d, bool colour);

/// What a list of diagnostics held, as printed.
struct PrintedCounts {
  int errors = 0;
  int warnings = 0;
};

/// Prints the diagnostics in their order, as `style` says.
PrintedCounts PrintDiagnostics(std::ostream& err, const std::vector<Diagnostic>& list,
                               const DiagnosticStyle& style);

/// True when colour suits `err`: it is the process's standard error, that is a
/// terminal, and NO_COLOR is not set.
bool ColourFor(const std::ostream& err);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_
