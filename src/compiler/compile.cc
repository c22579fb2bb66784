#include "compiler/compile.h"

#include "compiler/parser.h"
#include "compiler/post_pass.h"

namespace percorso {

CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files) {
  s.j = with_geometry ? 1 : 0;
  s.stato = 0;
  s.progressiva_errore = 0;
  s.luogo_stato = SourceLocation{};
  s.celle.clear();
  s.tracciato.reset();
  clear_voci(s);
  memorizza_dati(s, files);

  CompileOutcome outcome;
  outcome.has_route = s.has_celle();
  if (outcome.has_route) outcome.fatal = post_pass(s);
  return outcome;
}

}  // namespace percorso
