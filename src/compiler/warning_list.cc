#include "compiler/warning_list.h"

#include <utility>

#include "compiler/error_policy.h"

namespace percorso {

void WarningList::Add(WarningId id, const SourceLocation& where, std::string text,
                      std::vector<Note> notes, std::vector<Fix> fixes) {
  if (warnings_.size() >= kMaxKeptDiagnostics) {
    ++left_out_;
    return;
  }
  Diagnostic d;
  d.severity = Severity::kWarning;
  d.warning = id;
  d.where = where;
  d.text = std::move(text);
  d.notes = std::move(notes);
  d.fixes = std::move(fixes);
  warnings_.push_back(std::move(d));
}

}  // namespace percorso
