#include "fuzz_compile.h"

#include <cstdlib>

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"

namespace percorso {

const char kFuzzLineFile[] =
    "[generale]\r\n"
    "lunghezza percorso,    9000\r\n"
    "progressiva chilometrica uno,    0,    0,    0\r\n"
    "sfondo due,    1\r\n"
    "ripetizione segnali 4 codici,    1050,    8500\r\n"
    "[curve]\r\n"
    "curvas2,  1000,  400\r\n"
    "[pendenze]\r\n"
    "pendenza,  0,   2\r\n"
    "pendenza,  2000,   -3\r\n"
    "[montagne]\r\n"
    "montagna,   3000,  4000,  12\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore,  5000,   (GALLERIA )\r\n"
    "[fine]\r\n";

const char kFuzzTrainFile[] =
    "[generale]\r\n"
    "numero vetture,    15\r\n"
    "orologio,    6               12            40 \r\n"
    "[aderenze]\r\n"
    "aderenza,   0,    100\r\n"
    "[vel_limite]\r\n"
    "velocita,   0,    30\r\n"
    "velocita,    3300,   150\r\n"
    "[stazioni]\r\n"
    "stazione,       0,  8,  600,  0, 0, 0,  1,1,0,  4,1,1,    1,   6, 8, 0, A\r\n"
    "stazione,    6000, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   6,18, 0, B\r\n"
    "[rallentamenti]\r\n"
    "rallentamento,   4050,    40,  950, 0,  0,  40\r\n"
    "[segnali]\r\n"
    "segnale,    2250,   1, 4, 1,  0, 0,    0,  0,0,0, 0\r\n"
    "segnale,    7050,   2, 4, 1,  0, 0,    0,  0,0,0, 215\r\n"
    "[codici]\r\n"
    "abbattimento,   4700,   AC\r\n"
    "[fine]\r\n";

void CompileInMemory(const std::string& linea, const std::string& treno) {
  Scenario s;
  s.line_key = "Fuzz";
  s.train_key = "1";
  MemorySourceFiles files(linea, treno);
  CompileOutcome outcome = memorizza_percorso(s, /*with_geometry=*/true, files);
  if (!outcome.has_route) return;
  // Every encoder checks its size against the layout.
  std::string bytes;
  std::string err;
  if (!EncodeCelle(s.celle, &bytes, &err) || !EncodeVoci(s.voci, &bytes, &err)) std::abort();
  if (s.tracciato && !EncodeTracciato(*s.tracciato, &bytes, &err)) std::abort();
}

}  // namespace percorso
