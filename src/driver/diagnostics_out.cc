#include "driver/diagnostics_out.h"

#include <cstdlib>
#include <iostream>
#include <string_view>

#include "compiler/status.h"
#include "driver/shown_text.h"
#include "io/platform.h"

namespace percorso {
namespace {

// GCC's colours: the place in bold, the kind in its own colour.
constexpr std::string_view kBold = "\033[01m\033[K";
constexpr std::string_view kRed = "\033[01;31m\033[K";
constexpr std::string_view kMagenta = "\033[01;35m\033[K";
constexpr std::string_view kCyan = "\033[01;36m\033[K";
constexpr std::string_view kReset = "\033[m\033[K";

std::string Place(const SourceLocation& where) {
  if (where.file.empty()) return "percorso:";
  std::string place = EscapeControls(where.file) + ":";
  if (where.known()) place += std::to_string(where.line) + ":" + std::to_string(where.column) + ":";
  return place;
}

std::string Line(const SourceLocation& where, std::string_view kind, std::string_view colour,
                 const std::string& raw_text, bool coloured) {
  const std::string text = EscapeControls(raw_text);
  if (!coloured) return Place(where) + " " + std::string(kind) + ": " + text + "\n";
  return std::string(kBold) + Place(where) + std::string(kReset) + " " + std::string(colour) +
         std::string(kind) + ":" + std::string(kReset) + " " + text + "\n";
}

}  // namespace

std::string FormatDiagnostic(const Diagnostic& d, bool colour) {
  const bool error = d.severity == Severity::kError;
  std::string text = d.text.empty() ? std::string(StatusMeaning(d.stato)) : d.text;
  if (error && d.stato != 0) {
    text += " [status " + std::to_string(d.stato) + ", position " +
            std::to_string(d.progressiva_errore) + " m]";
  }
  std::string out = error ? Line(d.where, "error", kRed, text, colour)
                          : Line(d.where, "warning", kMagenta, text, colour);
  for (const Note& n : d.notes) {
    // A note without a place of its own stands at its diagnostic's place.
    out += Line(n.where.file.empty() ? d.where : n.where, "note", kCyan, n.text, colour);
  }
  return out;
}

PrintedCounts PrintDiagnostics(std::ostream& err, const std::vector<Diagnostic>& list,
                               const DiagnosticStyle& style) {
  PrintedCounts counts;
  for (const Diagnostic& d : list) {
    if (d.severity == Severity::kWarning) {
      if (!style.warnings) continue;
      ++counts.warnings;
    } else if (style.max_errors > 0 && counts.errors == style.max_errors) {
      err << "percorso: too many errors: the first " << style.max_errors
          << " are shown (--max-errors)\n";
      break;
    } else {
      ++counts.errors;
    }
    err << FormatDiagnostic(d, style.colour);
  }
  return counts;
}

bool ColourFor(const std::ostream& err) {
  const char* no_colour = std::getenv("NO_COLOR");
  if (no_colour != nullptr && *no_colour != '\0') return false;
  return &err == &std::cerr && StandardErrorIsTerminal();
}

}  // namespace percorso
