#include "compiler/error_policy.h"

#include <utility>

namespace percorso {

Flow ErrorPolicy::Raise(Status code, const SourceLocation& where, std::optional<int32_t> posizione,
                        std::vector<Note> notes, Flow flow) {
  if (!recover_) {
    s_.SetStatus(code, where, posizione, std::move(notes));
    return flow;
  }
  const Flow left_out = flow == Flow::kStop || flow == Flow::kEndOfFile ? Flow::kSkip : flow;
  if (errors_.size() >= kMaxKeptDiagnostics) {
    ++left_out_;
    return left_out;
  }
  Diagnostic d;
  d.stato = Code(code);
  d.progressiva_errore = posizione.value_or(0);
  d.where = where;
  d.notes = std::move(notes);
  errors_.push_back(std::move(d));
  return left_out;
}

}  // namespace percorso
