#include "compiler/compile.h"

#include "compiler/line_file.h"
#include "compiler/parse_session.h"
#include "compiler/post_pass.h"
#include "compiler/train_file.h"

namespace percorso {

std::string memorizza_dati(Scenario& s, SourceFiles& files) {
  s.voci[kVoceLinea].nome = s.line_key;
  s.voci[kVoceChiaveTreno].nome = s.train_key;
  ParseSession p(s, files);
  if (ReadLineFile(p) != Flow::kStop) ReadTrainFile(p);
  return p.io_error();
}

CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files) {
  s.j = with_geometry ? 1 : 0;
  s.diagnostic = Diagnostic{};
  s.celle.clear();
  s.tracciato.reset();
  clear_voci(s);

  CompileOutcome outcome;
  outcome.io_error = memorizza_dati(s, files);
  outcome.has_route = s.has_celle();
  if (outcome.has_route) outcome.fatal = post_pass(s);
  return outcome;
}

}  // namespace percorso
