#include "sources/documents.h"

#include <iterator>

namespace percorso {
namespace {

// Entries are the lines of each document, blanks as written: many lines begin
// with one or two blanks and some end with blanks. The train number is fixed
// text, not taken from the train key.
// clang-format off
constexpr std::string_view kScheda[] = {
    "",
    "",
    "  ___________________                                               ______________",
    " |                   |                    SCHEDA                   |              |",
    " |   TRENO n. 2731   |                   da: Pianura S.m.n.        |    V 160 B   |",
    " |___________________|                    a: Crinale C.le          |     125%     |",
    "                                                                   |______________|",
    "  ___________________                ___________________",
    " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
    " |     ESPRESSO      |              |      800 T        |",
    " |___________________|              |___________________|",
    "",
    "  ________________________________________________________________________________",
    " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
    " | Lim.|Marc.|          |  Rs |                            |                |     |",
    " |_____|_____|__________|_____|____________________________|________________|_____|",
    " |  30 |  30 |    0     |  30 |PIANURA S.M.N.              |            6.08|     |",
    " | 115 |  75 |    1.000 | 115 | deviatoio uscita           |                |     |",
    " |     |     |    2.750 |     |PIANURA RIFREDI             |       6.13     |     |",
    " | 150 | 150 |    3.300 | 150 | deviatoio uscita           |                |     |",
    " |     |     |    5.200 |     |PIANURA CASTELLO            |       6.16     |     |",
    " | 160 | 155 |    6.650 |     | deviatoio uscita           |                |     |",
    " |     |     |    8.000 |     |SESTO FIORENTINO            |       6.18     |     |",
    " |     |     |   10.250 |     | P 142                      |                |     |",
    " |     |     |   11.500 |     | P 140                      |                |     |",
    " |     |     |   12.850 |     | P 138                      |                |     |",
    " | 115 | 115 |   16.350 | 115 |PRATO                       |       6.23     |     |",
    " |     |     |   21.350 |     | P 134                      |                |     |",
    " |     |     |   26.200 |     |VAIANO                      |       6.30     |     |",
    " |     |     |   31.400 |     | P 130                      |                |     |",
    " |     |     |   36.800 |     |VERNIO-MONTEPIANO-CANTAGALLO|       6.38     |     |",
    " | 160 | 145 |   37.200 | 145 | imbocco galleria Appennino |                |     |",
    " |     |     |   41.900 |     | P 126                      |                |     |",
    " |     |     |   46.200 |     |p.c. precedenze             |       6.46     |     |",
    " |     |     |   51.200 |     | P 122                      |                |     |",
    " | 120 | 120 |   55.550 | 120 | sbocco galleria Appennino  |                |     |",
    " |     |     |   56.300 |     |S.BENEDETTO-CASTIGLIONE P.  |       6.54     |     |",
    " | 160 | 145 |   56.850 | 145 | deviatoio uscita           |                |     |",
    " | 135 | 135 |   61.400 | 135 |GRIZZANA                    |       6.57     |     |",
    " |     |     |   66.550 |     | P 116                      |                |     |",
    " |     |     |   70.300 |     | imbocco viadotto Setta     |                |     |",
    " |     |     |   71.300 |     |MONZUNO - VADO              |       7.02     |     |",
    " | 160 | 155 |   72.550 | 150 | imbocco galleria M.Adone   |                |     |",
    " |     |     |   76.000 |     | P.112                      |                |     |",
    " | 135 | 135 |   79.000 | 135 | cippo km 79.000            |                |     |",
    " |     |     |   80.500 |     |PIANORO                     |       7.06     |     |",
    " |     |     |   85.000 |     | P 108                      |                |     |",
    " |     |     |   90.600 |     |CR. S. RUFFILLO             |       7.12     |     |",
    " |     |     |   93.450 |     | bivio crociali             |       7.15     |     |",
    " |  65 |  65 |   95.500 |  65 | segnale protezione         |                |     |",
    " |  30 |  30 |   96.000 |  30 | deviatoio ingresso         |                |     |",
    " |     |     |   96.600 |     |CRINALE C.LE                |7.20            |     |",
    " |_____|_____|__________|_____|____________________________|________________|_____|",
};

// An empty row of the slowdown table.
constexpr std::string_view kRigaVuota =
    " |   |                            |            |          |         |            |";

constexpr std::string_view kRallentamenti[] = {
    "",
    "                               Modulo M. 3",
    "                           ORDINE DI RALLENTAMENTO",
    " ________________________________________________________________________________",
    "  Linea  PIANURA SMN - CRINALE C.LE",
    "",
    "  Si ordina al macchinista del treno 2731 di effettura i seguenti rallentamenti",
    "  _______________________________________________________________________________",
    " |   |                            |Inizio dopo |          |         |            |",
    " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
    " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |",
    " |___|____________________________|____________|__________|_________|____________|",
    " | 1 | PRATO      -      VAIANO   |   23.000   |    40    |    950  |            |",
    " | 2 | GRIZZANA   -  MONZUNO-VADO |   69.000   |    60    |    500  |            |",
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    kRigaVuota,
    " |___|____________________________|____________|__________|_________|____________|",
    "",
    "              Prescrizioni specifiche",
    " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
    " B - Interessa anche la stazione di.......",
    " D - Rallentamneto N. ... e N. ...  sono contigui",
    " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
    "     i giorni esclusi i seguenti:.........",
};

// Windows-1252: one byte per accented letter.
constexpr std::string_view kNote[] = {
    " Scenario compilato da percorso.",
    " Segnalazioni e correzioni: presso chi distribuisce lo scenario.",
    "",
    " Treno espresso impostato con rango B, affidato ad una 444 R, per mancanza di 656 all' OML di Pianura.",
    " ",
    // The literal is split so that the hex escape ends after one byte.
    " Massa totale di ben 830 ton., per\xF2" " agevolate da una perfetta aderenza.",  // NOLINT(bugprone-suspicious-missing-comma)
    "   ",
    "",
    " Buon Viaggio.",
};
// clang-format on

static_assert(std::size(kScheda) == 53);
static_assert(std::size(kRallentamenti) == 46);
static_assert(std::size(kNote) == 9);

}  // namespace

std::span<const std::string_view> SchedaTrenoLines() {
  return kScheda;
}
std::span<const std::string_view> RallentamentiLines() {
  return kRallentamenti;
}
std::span<const std::string_view> NoteLines() {
  return kNote;
}

}  // namespace percorso
