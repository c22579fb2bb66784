#include "compiler/parser.h"

#include "compiler/line_file.h"
#include "compiler/parse_session.h"
#include "compiler/train_file.h"

namespace percorso {

void memorizza_dati(Scenario& s, SourceFiles& files) {
  s.voci[kVoceLinea].nome = s.line_key;
  s.voci[kVoceChiaveTreno].nome = s.train_key;
  ParseSession p(s, files);
  if (ReadLineFile(p) == Flow::kStop) return;
  ReadTrainFile(p);
}

}  // namespace percorso
