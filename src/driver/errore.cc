#include "driver/errore.h"

#include "compiler/status.h"
#include "io/platform.h"

namespace percorso {

std::string errore(std::string_view a) {
  return " Errore n. " + std::string(a);
}

std::string DescribeStatus(const Scenario& s) {
  std::string where;
  const Diagnostic& d = s.diagnostic;
  const SourceLocation& at = d.where;
  if (!at.file.empty()) {
    where = std::string(BaseName(at.file));
    if (at.known()) where += ":" + std::to_string(at.line) + ":" + std::to_string(at.column);
  } else {
    where = "percorso";
  }
  return where + ": error: status " + std::to_string(d.stato) + ", position " +
         std::to_string(d.progressiva_errore) + " m: " + std::string(StatusMeaning(d.stato));
}

}  // namespace percorso
