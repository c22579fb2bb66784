#include "sources/builtin_train.h"

#include <iterator>

namespace percorso {
namespace {

// One entry per line of the file, blanks as written. The clock line keeps its
// trailing blank, and its three numbers are separated by blanks only.
// clang-format off
constexpr std::string_view kTreno[] = {
    "[generale]",
    "numero vetture,    15",
    "percentuale massa frenata,    125",
    "sabbia,    300",
    "orologio,    6               12            40 ",
    "[aderenze]",
    "aderenza,   0,    100",
    "[vel_limite]",
    "velocita,   0,    30",
    "velocita,     900,   115",
    "velocita,    3300,   150",
    "velocita,    6650,   160",
    "velocita,   16300,   115",
    "velocita,   37200,   160",
    "velocita,   55750,   120",
    "velocita,   56850,   160",
    "velocita,   61400,   135",
    "velocita,   72550,   160",
    "velocita,   80250,   135",
    "velocita,   95500,    65",
    "velocita,   96000,    30",
    "[stazioni]",
    "stazione,       0,  8,  600,  0, 0, 0,  1,1,0,  4,1,1,    1,   6, 8, 0, PIANURA S.M.N.",
    "stazione,    2750, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, PIANURA RIFREDI",
    "stazione,    5200, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, PIANURA CASTELLO",
    "stazione,    8000, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, SESTO FIORENTINO",
    "stazione,   12550, 28,  300,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, CALENZANO",
    "stazione,   16250,  4,  600,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, PRATO",
    "stazione,   26200, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, VAIANO",
    "stazione,   36700, 12,  500,  1, 0, 0,  4,1,1,  2,1,1,   90,   6,38, 0, VERNIO",
    "stazione,   46800, 26,  400,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, PRECEDENZE",
    "stazione,   56300, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, SAN BENEDETTO V.d.S",
    "stazione,   61400, 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   0, 0, 0, GRIZZANA",
    "stazione,   71350, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, MONZUNO-VADO",
    "stazione,   80300, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, PIANORO",
    "stazione,   90600, 12,  500,  0, 0, 1,  1,1,0,  4,1,1,    0,   0, 0, 0, CR.S.RUFFILLO",
    "stazione,   93650, 25,  200,  0, 0, 0,  0,0,0,  0,0,0,    0,   0, 0, 0, BIVIO CROCIALI",
    "stazione,   96600,  2,  800,  0, 0, 0,  1,1,0,  2,1,1,    0,   7,30, 0, CRINALE C.LE",
    "[rallentamenti]",
    "rallentamento,   23050,    40,  950, 0,  0,  40",
    "rallentamento,   69900,    60,  500, 0,  0,  60",
    "[segnali]",
    "segnale,    1050,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    2250,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    4250,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    5850,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    7050,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,    8950,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   10250,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   11500,   1, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   12850,   2, 4, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   14100,   1, 3, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   15400,   2, 3, 1,  0, 0,    0,  0,0,0, 0",
    "segnale,   20100,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   21350,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   24050,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   25300,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   30150,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   31400,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   34750,   1, 5, 6,  0, 0,    1,  3,1,0, 0",
    "segnale,   36050,   2, 2, 3,  0, 0,    2,  2,1,0, 0",
    "segnale,   40650,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   41900,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   44750,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   46000,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   49800,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   51050,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   54250,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   55500,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   58900,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   60150,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   65300,   1, 3, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   66550,   2, 3, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   69050,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   70300,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   74450,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   76000,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   78250,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   79500,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   83750,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   85000,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   88400,   1, 4, 1,  0, 0,    1,  3,1,0, 0",
    "segnale,   89650,   2, 3, 1,  0, 0,    2,  2,1,0, 0",
    "segnale,   92200,   1, 4, 0,  0, 0,    1,  1,0,0, 0",
    "segnale,   93450,   2, 4, 0,  0, 0,    2,  1,0,0, 0",
    "segnale,   94250,   1, 3, 1,  0, 0,    0,  0,0,0, 215",
    "segnale,   95500,   2, 3, 1,  1, 0,    0,  0,0,0, 230",
    "[codici]",
    "abbattimento,   46700,   AC",
    "[fine]",
};
// clang-format on

static_assert(std::size(kTreno) == 90);

}  // namespace

std::span<const std::string_view> BuiltinTrainLines() {
  return kTreno;
}

}  // namespace percorso
