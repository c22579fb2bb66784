// The forms in which diagnostics are printed. As text, one line each:
//   FILE:LINE:COL: error|warning|note: text
// with "FILE:" alone for a whole file and "percorso:" for no file, the source
// line and a caret under the column after it. An error that stored a status
// ends with "[status N, position P m]", a warning with its name
// ("[-Wmisspelt-keyword]"); the field a diagnostic is about is underlined
// ("^~~~~") and its fixes are printed under it. Colour, as GCC gives it, only
// when asked for. For tools the same as one JSON array, or as a SARIF 2.1.0
// log, both with the ranges and the fixes.
#ifndef PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_
#define PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_

#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/diagnostic.h"

namespace percorso {

enum class DiagnosticsFormat { kText, kJson, kSarif };
enum class ColourMode { kAuto, kAlways, kNever };

/// The text of each source file, by the name its diagnostics give it.
using SourceTexts = std::map<std::string, std::string, std::less<>>;

struct DiagnosticStyle {
  bool colour = false;
  /// False with -w: warnings are not printed.
  bool warnings = true;
  /// The warnings left out (-Wno-NAME), and those asked for (-WNAME) that
  /// are off unless asked for.
  std::set<WarningId> disabled;
  std::set<WarningId> enabled;
  /// At most this many errors are printed, then "too many errors"; 0: no
  /// limit.
  int max_errors = 0;
  DiagnosticsFormat format = DiagnosticsFormat::kText;
  /// The sources, for the line under a diagnostic; none without.
  const SourceTexts* sources = nullptr;
  /// Where a diagnostic that no entry raised is printed: the file whose
  /// entries the route's markers follow (the train file); none when empty.
  std::string placeless_file;
};

/// The lines of one diagnostic and its notes, each ending in a line end; with
/// `sources`, each place followed by its source line and a caret.
std::string FormatDiagnostic(const Diagnostic& d, bool colour,
                             const SourceTexts* sources = nullptr);

/// What a list of diagnostics held, as printed.
struct PrintedCounts {
  int errors = 0;
  int warnings = 0;
  /// False when JSON or SARIF could not be written whole (a full device, a
  /// closed descriptor): the run fails. A failed write of text is not
  /// noticed, as compilers do not notice it.
  bool written = true;
};

/// True when `style` shows the warning `id`.
bool Shows(const DiagnosticStyle& style, WarningId id);

/// Prints the diagnostics in their order, as `style` says.
PrintedCounts PrintDiagnostics(std::ostream& err, const std::vector<Diagnostic>& list,
                               const DiagnosticStyle& style);

/// The format named by --diagnostics-format, or nothing for another name.
std::optional<DiagnosticsFormat> DiagnosticsFormatNamed(std::string_view name);
/// The mode named by --color, or nothing for another name.
std::optional<ColourMode> ColourModeNamed(std::string_view name);

/// True when colour suits `err` in `mode`: always, never, or (auto) when it is
/// the process's standard error, that is a terminal, NO_COLOR is not set and
/// TERM is not "dumb".
bool ColourFor(const std::ostream& err, ColourMode mode = ColourMode::kAuto);

}  // namespace percorso

#endif  // PERCORSO_DRIVER_DIAGNOSTICS_OUT_H_
