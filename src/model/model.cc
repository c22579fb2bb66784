#include "model/model.h"

#include "model/cells.h"

namespace percorso {

void Scenario::SetStatus(Status code, const SourceLocation& where, std::optional<int32_t> posizione,
                         std::vector<Note> notes, std::string text) {
  const Diagnostic before = diagnostic;
  diagnostic.stato = Code(code);
  diagnostic.text = std::move(text);
  if (posizione) diagnostic.progressiva_errore = *posizione;
  diagnostic.where = where;
  diagnostic.notes = std::move(notes);
  if (before.stato != 0 && (before.stato != diagnostic.stato || before.where != diagnostic.where)) {
    diagnostic.notes.push_back(
        Note{before.where, "status " + std::to_string(before.stato) + " (" +
                               std::string(StatusMeaning(before.stato)) + ", position " +
                               std::to_string(before.progressiva_errore) +
                               " m), raised here before, was replaced by this one"});
  }
  raised.push_back(diagnostic);
}

void create_route(Scenario& s, int32_t lunghezza) {
  s.lunghezza_estesa = lunghezza + kRouteExtension;
  s.ultima_cella = static_cast<int32_t>(LastCellOf(s.lunghezza_estesa));
  s.celle.assign(s.ultima_cella >= 0 ? static_cast<size_t>(s.ultima_cella) + 1 : 0, cella{});
  if (s.wants_geometry()) {
    s.tracciato.emplace(s.lunghezza_estesa);
  } else {
    s.tracciato.reset();
  }
}

void clear_voci(Scenario& s) {
  for (voce& v : s.voci) v = voce{};
}

}  // namespace percorso
