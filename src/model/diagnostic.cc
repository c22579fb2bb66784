#include "model/diagnostic.h"

#include "model/status.h"

namespace percorso {

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
  if (d.severity == Severity::kWarning && !d.name.empty()) text += " [-W" + d.name + "]";
  return text;
}

}  // namespace percorso
