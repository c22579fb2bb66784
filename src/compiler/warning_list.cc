#include "compiler/warning_list.h"

#include <cassert>
#include <utility>

#include "compiler/error_policy.h"
#include "compiler/warning_names.h"

namespace percorso {

void WarningList::Add(std::string_view name, const SourceLocation& where, std::string text,
                      std::vector<Note> notes) {
  assert(IsWarningName(name));
  if (warnings_.size() >= kMaxKeptDiagnostics) {
    ++left_out_;
    return;
  }
  Diagnostic d;
  d.severity = Severity::kWarning;
  d.name = std::string(name);
  d.where = where;
  d.text = std::move(text);
  d.notes = std::move(notes);
  warnings_.push_back(std::move(d));
}

}  // namespace percorso
