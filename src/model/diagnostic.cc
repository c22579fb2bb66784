#include "model/diagnostic.h"

#include <algorithm>

#include "model/status.h"

namespace percorso {

int DisplayColumn(std::string_view line, int column) {
  constexpr int kTabStop = 8;
  int shown = 0;
  const size_t bytes = std::min(line.size(), static_cast<size_t>(std::max(column - 1, 0)));
  for (size_t i = 0; i < bytes; ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c == '\t') {
      shown = (shown / kTabStop + 1) * kTabStop;
    } else if ((c & 0xC0) != 0x80) {
      ++shown;
    }
  }
  // Past the end of the line each byte is one column.
  return shown + 1 + std::max(column - 1 - static_cast<int>(bytes), 0);
}

std::string DiagnosticRule(const Diagnostic& d) {
  if (d.warning) return std::string(Warning(*d.warning).name);
  if (d.severity == Severity::kError) {
    return d.stato != 0 ? StatusRuleId(d.stato) : std::string(kOtherError);
  }
  return std::string(kOtherWarning);
}

std::string DiagnosticPlace(const SourceLocation& where) {
  if (where.file.empty()) return "";
  if (!where.known()) return where.file;
  return where.file + ":" + std::to_string(where.line) + ":" + std::to_string(where.column);
}

std::string DiagnosticMessage(const Diagnostic& d) {
  std::string text = d.text.empty() ? std::string(StatusMeaning(d.stato)) : d.text;
  if (d.severity == Severity::kError && d.stato != 0) {
    text += " [status " + std::to_string(d.stato) + ", position " +
            std::to_string(d.progressiva_errore) + " m]";
  }
  if (d.severity == Severity::kWarning && d.warning) {
    text += " [-W" + std::string(Warning(*d.warning).name) + "]";
  }
  return text;
}

}  // namespace percorso
