#include "fuzz_compile.h"

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "round_trip.h"

namespace percorso {

const char kFuzzLineFile[] =
    "[generale]\r\n"
    "lunghezza percorso,    5000\r\n"
    "progressiva chilometrica uno,    0,    0,    0\r\n"
    "sfondo due,    1\r\n"
    "ripetizione segnali 4 codici,    1050,    4500\r\n"
    "[curve]\r\n"
    "curvas2,  1000,  400\r\n"
    "[pendenze]\r\n"
    "pendenza,  0,   2\r\n"
    "pendenza,  2000,   -3\r\n"
    "[montagne]\r\n"
    "montagna,   3000,  3500,  12\r\n"
    "[cartelli]\r\n"
    "indicatori_vmax,  1000,  105,  115,  120,  0,  ,  ,  ,  0\r\n"
    "[indicazioni]\r\n"
    "cartello_indicatore,  4000,   (GALLERIA )\r\n"
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
    "stazione,    4000, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   6,18, 0, B\r\n"
    "[rallentamenti]\r\n"
    "rallentamento,   2550,    40,  950, 0,  0,  40\r\n"
    "[segnali]\r\n"
    "segnale,    2250,   1, 4, 1,  0, 0,    0,  0,0,0, 0\r\n"
    "segnale,    4550,   2, 4, 1,  0, 0,    0,  0,0,0, 215\r\n"
    "[codici]\r\n"
    "abbattimento,   3700,   AC\r\n"
    "[fine]\r\n";

namespace {

/// FNV-1a of the two texts.
uint64_t HashOf(const std::string& linea, const std::string& treno) {
  uint64_t h = 14695981039346656037ull;
  for (const std::string* text : {&linea, &treno}) {
    for (char c : *text) h = (h ^ static_cast<uint8_t>(c)) * 1099511628211ull;
  }
  return h;
}

}  // namespace

int CompileInMemory(const std::string& linea, const std::string& treno) {
  Scenario s;
  s.line_key = "Fuzz";
  s.train_key = "1";
  MemorySourceFiles files(linea, treno);
  CompileOutcome outcome = memorizza_percorso(s, /*with_geometry=*/true, files);
  if (!outcome.has_route) return 0;
  if (s.lunghezza_estesa > kLongestFuzzedRoute + kRouteExtension) return -1;
  CheckModelRoundTrip(s);
  if (s.tracciato && HashOf(linea, treno) % kGeometryCheckEvery == 0) {
    CheckGeometryRoundTrip(*s.tracciato);
  }
  return 0;
}

}  // namespace percorso
