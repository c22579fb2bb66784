#include "browser/sample_scenario.h"

#include <algorithm>
#include <cmath>

#include "compiler/rounding.h"

namespace percorso::testing {
namespace {

struct Curve {
  int32_t start;
  int32_t length;
  double turn;  // per metre; negative to the left
};

struct Step {
  int32_t position;
  int value;
};

/// The plan: straight runs that repeat the last step, and curves that turn it
/// by `turn` per metre over the metres after their start, as the compiler
/// records them.
void FillGeometry(Scenario& s, const std::vector<Curve>& curves) {
  Tracciato& t = *s.tracciato;
  t.set_origine();
  int64_t last = s.lunghezza_estesa - 2;
  for (const Curve& c : curves) {
    t.AddRun(t.prossimo(), std::min<int64_t>(c.start, last), 0.0);
    t.AddRun(t.prossimo(), std::min<int64_t>(int64_t{c.start} + c.length, last), c.turn);
  }
  t.AddRun(t.prossimo(), last, 0.0);
}

/// Sets one profile member of every cell from the step at or before it.
template <typename Member>
void FillProfile(Scenario& s, Member member, const std::vector<Step>& steps) {
  size_t k = 0;
  for (size_t i = 1; i < s.celle.size(); ++i) {
    while (k + 1 < steps.size() && cell_of(steps[k + 1].position) <= static_cast<int64_t>(i)) ++k;
    s.celle[i].*member = low8(steps[k].value);
  }
}

void PutStretch(Scenario& s, int32_t inizio, int32_t fine, int tipo) {
  bool tunnel = tipo > 10;
  if (tunnel) tipo -= 10;
  int64_t first = nearest(inizio / 50.0);
  int64_t last = nearest(fine / 50.0 - 1);
  int count = 0;
  for (int64_t i = first; i <= last; ++i) {
    cella* c = s.cell_at(i);
    if (!c) continue;
    c->montagna = low8(tipo);
    if (tunnel && ++count % 4 == 0 && c->tipo == kVuota) c->tipo = kRiempitivoGalleria;
  }
}

void PutSignal(Scenario& s, int32_t posizione, int sx, int s1, int dx, int d1) {
  cella* c = s.cell_at(cell_of(posizione));
  if (!c || !is_free(*c)) return;
  c->tipo = kSegnale;
  c->dato1 = low16(s1 * 10 + d1);
  c->dato4 = low16(sx * 3 + dx);
  for (int k = 1; k <= 4; ++k) {
    if (cella* a = s.cell_at(cell_of(posizione) - 2 * k)) a->avviso = low8((sx * 3 + dx) * 10 + k);
  }
}

void PutMarker(Scenario& s, int64_t cell) {
  cella* c = s.cell_at(cell);
  if (!c || !is_free(*c)) return;
  c->tipo = kMarcatore;
  c->dato1 = 180;
}

void PutSlowdown(Scenario& s, int32_t x, int v, int32_t l) {
  int64_t w = nearest((x - 1200) / 50.0 + 1);
  int64_t start = cell_of(x);
  int64_t end = cell_of(x + l);
  for (auto [cell, tipo] :
       {std::pair{end, kFineRallentamento}, std::pair{start, kInizioRallentamento},
        std::pair{w, kAvvisoRallentamento}}) {
    if (cella* c = s.cell_at(cell)) {
      c->tipo = tipo;
      c->dato1 = low16(v);
      c->dato2 = low16(v);
    }
  }
  for (int64_t n : {start - 5, start - 11, start - 18}) PutMarker(s, n);
}

void PutSpeedBoard(Scenario& s, int32_t posizione, int vas, int vbs, int vcs, int vad) {
  cella* c = s.cell_at(cell_of(posizione));
  if (!c || !is_free(*c)) return;
  c->tipo = kIndicatoreVMax;
  c->dato1 = low16(nearest(vad / 5.0 + vas * 20));
  c->dato2 = low16(nearest(vad / 5.0 + vbs * 20));
  c->dato3 = low16(nearest(vad / 5.0 + vcs * 20));
}

void PutTextBoard(Scenario& s, int32_t posizione, int slot, const std::string& text) {
  cella* c = s.cell_at(cell_of(posizione));
  if (!c || !is_free(*c)) return;
  c->tipo = kCartello;
  c->dato1 = low16(slot);
  s.voci[static_cast<size_t>(slot)].nome = text;
}

void PutStation(Scenario& s, int slot, int32_t posizione, uint8_t tipo, int32_t length,
                int32_t orario, const std::string& nome) {
  voce& v = s.voci[static_cast<size_t>(slot)];
  v.tipo = tipo;
  v.posizione = posizione;
  v.nome = nome;
  v.orario = orario;
  if (tipo == 7 || tipo == 8) {
    v.inizio = posizione - length;
    v.fine = posizione + length;
  } else {
    v.inizio = posizione - length / 2;
    v.fine = posizione + length / 2;
  }
  if (tipo < 25) {
    for (int z = 1; z <= 4; ++z) {
      if (cella* c = s.cell_at(nearest(v.fine / 50.0 - z - 1))) c->avviso = low8(80 + z);
    }
    if (cella* c = s.cell_at(nearest(v.fine / 50.0 - 1))) {
      c->tipo = kFermata;
      c->dato1 = low16(slot);
    }
  }
}

void StampHeader(Scenario& s, int32_t lunghezza) {
  s.voci[kVoceTreno].inizio = 125;
  s.voci[kVoceTreno].fine = lunghezza;
  s.voci[kVoceTreno].posizione = 15;
  voce& linea = s.voci[kVoceLinea];
  linea.nome = s.line_key;
  linea.posizione = 1;
  linea.valore1 = 610;
  voce& treno = s.voci[kVoceChiaveTreno];
  treno.nome = s.train_key;
  treno.inizio = 1050;
  treno.fine = lunghezza - 1500;
  treno.posizione = 4;
  treno.valore1 = 300;
  treno.valore3 = 6;
  treno.valore4 = 12;
  treno.valore5 = 40;
  s.celle[1].dato1 = 5121;
}

}  // namespace

const std::vector<std::string>& BuiltinStationNames() {
  static const std::vector<std::string> names = {"PIANURA S.M.N.",   "PIANURA RIFREDI",
                                                 "PIANURA CASTELLO", "SESTO FIORENTINO",
                                                 "CALENZANO",        "PRATO",
                                                 "VAIANO",           "VERNIO",
                                                 "PRECEDENZE",       "SAN BENEDETTO V.d.S",
                                                 "GRIZZANA",         "MONZUNO-VADO",
                                                 "PIANORO",          "CR.S.RUFFILLO",
                                                 "BIVIO CROCIALI",   "CRINALE C.LE"};
  return names;
}

Scenario BuiltinLikeScenario() {
  Scenario s;
  s.line_key = "Pianura_Crinale";
  s.train_key = "2731";
  s.j = 1;
  create_route(s, 97000);
  FillGeometry(
      s,
      {{1000, 400, -0.0002},   {1700, 1300, 0.0001}, {3550, 400, -0.0002},  {5200, 600, 0.0004},
       {8300, 900, -0.0002},   {10400, 700, 0.0004}, {11800, 600, -0.0004}, {13000, 1000, -0.0001},
       {16600, 500, 0.001},    {19000, 400, 0.002},  {21000, 900, -0.001},  {24500, 600, 0.001},
       {27000, 800, -0.0004},  {30500, 500, 0.002},  {33000, 700, -0.001},  {36000, 500, 0.0004},
       {44000, 1200, -0.0001}, {56400, 500, -0.001}, {57200, 1600, 0.0004}, {62000, 700, -0.002},
       {65000, 500, 0.002},    {68000, 900, -0.001}, {71000, 400, 0.001},   {74000, 1000, -0.0004},
       {80500, 800, 0.0004},   {84000, 600, -0.001}, {88000, 900, 0.0004},  {92000, 500, -0.002},
       {95500, 300, -0.001}});
  FillProfile(s, &cella::pendenza,
              {{0, 102},     {2000, 100},  {3500, 105},  {9000, 101},  {14000, 103},
               {17000, 102}, {17200, 104}, {17400, 106}, {17600, 108}, {17800, 110},
               {18000, 112}, {26000, 108}, {37000, 104}, {47000, 99},  {56000, 96},
               {62500, 88},  {70000, 92},  {80000, 96},  {90000, 98},  {96600, 100}});
  FillProfile(s, &cella::velocita,
              {{0, 6},
               {900, 23},
               {3300, 30},
               {6650, 32},
               {16300, 23},
               {37200, 32},
               {55750, 24},
               {56850, 32},
               {61400, 27},
               {72550, 32},
               {80250, 27},
               {95500, 13},
               {96000, 6}});
  FillProfile(s, &cella::aderenza, {{0, 100}});
  const int32_t stretches[][3] = {
      {18800, 18850, 2},  {18900, 19100, 2},  {21250, 22250, 12}, {23100, 24000, 12},
      {27900, 28900, 12}, {29800, 29900, 12}, {30150, 30550, 12}, {31300, 31450, 12},
      {31550, 31650, 12}, {31850, 32050, 12}, {33450, 33900, 12}, {34650, 34800, 12},
      {35100, 35400, 12}, {35500, 35800, 12}, {37250, 55750, 11}, {56900, 57300, 11},
      {57450, 60250, 11}, {64600, 64750, 12}, {65200, 65500, 12}, {66050, 66200, 12},
      {67600, 67850, 12}, {69300, 69800, 12}, {70450, 70750, 12}, {72400, 72500, 12},
      {72600, 79700, 12}, {81300, 81400, 12}, {81550, 81850, 12}, {86500, 86650, 12}};
  for (const auto& st : stretches) PutStretch(s, st[0], st[1], st[2]);

  const int32_t speed_boards[][5] = {
      {1000, 105, 115, 120, 0},    {3300, 140, 150, 160, 0},    {6650, 140, 160, 170, 0},
      {14700, 110, 115, 120, 0},   {14900, 110, 115, 120, 0},   {15100, 110, 115, 120, 0},
      {16800, 110, 115, 120, 110}, {37150, 140, 160, 175, 140}, {54150, 110, 120, 125, 110},
      {54350, 110, 120, 125, 110}, {54500, 110, 120, 125, 110}, {56850, 140, 160, 180, 140},
      {59700, 125, 135, 140, 125}, {59900, 125, 135, 140, 125}, {60100, 125, 135, 140, 125},
      {72500, 140, 160, 180, 140}, {78600, 125, 135, 140, 125}, {78800, 125, 135, 140, 125},
      {79000, 125, 135, 140, 125}, {91000, 125, 135, 145, 0},   {93900, 60, 65, 70, 0},
      {94100, 60, 65, 70, 0},      {94300, 60, 65, 70, 0}};
  for (const auto& b : speed_boards) PutSpeedBoard(s, b[0], b[1], b[2], b[3], b[4]);
  PutTextBoard(s, 37200, 80, "(GALLERIA )(APPENNINO)(Km 18+510)");
  PutTextBoard(s, 70250, 79, "(VIADOTTO)(SETTA   )");
  PutTextBoard(s, 72550, 78, "(GALLERIA   )(MONTE ADONE)(Km 7+135   )");

  const int32_t signals[] = {1050,  2250,  4250,  5850,  7050,  8950,  10250, 11500, 12850,
                             14100, 15400, 20100, 21350, 24050, 25300, 30150, 31400, 34750,
                             36050, 40650, 41900, 44750, 46000, 49800, 51050, 54250, 55500,
                             58900, 60150, 65300, 66550, 69050, 70300, 74450, 76000, 78250,
                             79500, 83750, 85000, 88400, 89650, 92200, 93450, 94250, 95500};
  for (size_t i = 0; i < std::size(signals); ++i) {
    int sx = i % 2 == 0 ? 1 : 2;
    PutSignal(s, signals[i], sx, 4, sx, 1);
  }
  PutSlowdown(s, 23050, 40, 950);
  PutSlowdown(s, 69900, 60, 500);
  if (cella* c = s.cell_at(cell_of(46700)); c && is_free(*c)) c->tipo = kAbbattimentoNullo;

  const std::vector<std::string>& names = BuiltinStationNames();
  const int32_t stations[][5] = {
      {0, 8, 600, 22080},  {2750, 12, 500, 0},  {5200, 12, 500, 0},  {8000, 12, 500, 0},
      {12550, 28, 300, 0}, {16250, 4, 600, 0},  {26200, 12, 500, 0}, {36700, 12, 500, 23880},
      {46800, 26, 400, 0}, {56300, 12, 500, 0}, {61400, 12, 500, 0}, {71350, 12, 500, 0},
      {80300, 12, 500, 0}, {90600, 12, 500, 0}, {93650, 25, 200, 0}, {96600, 2, 800, 27000}};
  for (size_t i = 0; i < names.size(); ++i) {
    const int32_t* st = stations[i];
    PutStation(s, static_cast<int>(i) + 1, st[0], static_cast<uint8_t>(st[1]), st[2], st[3],
               names[i]);
  }
  StampHeader(s, 97000);
  s.voci[kVoceLinea].orario = 1987654321;
  s.celle[1].dato2 = -12345;
  return s;
}

Scenario LongScenario(int km) {
  Scenario s;
  s.line_key = "Lunga";
  s.train_key = "9";
  s.j = 1;
  int32_t lunghezza = km * 1000;
  create_route(s, lunghezza);
  std::vector<Curve> curves;
  for (int32_t at = 2000; at + 1500 < lunghezza; at += 4000) {
    curves.push_back({at, 1200, (at / 4000) % 3 == 0 ? -0.001 : 0.0004});
  }
  FillGeometry(s, curves);
  std::vector<Step> gradients, speeds;
  for (int32_t at = 0; at < lunghezza; at += 700) {
    gradients.push_back({at, 100 + static_cast<int>(12 * std::sin(at / 9000.0))});
  }
  for (int32_t at = 0; at < lunghezza; at += 11000) speeds.push_back({at, 20 + (at / 11000) % 13});
  FillProfile(s, &cella::pendenza, gradients);
  FillProfile(s, &cella::velocita, speeds);
  FillProfile(s, &cella::aderenza, {{0, 100}});
  for (int32_t at = 5000; at + 3000 < lunghezza; at += 23000) PutStretch(s, at, at + 2500, 11);
  for (int32_t at = 1300; at < lunghezza; at += 1300)
    PutSignal(s, at, 1 + (at / 1300) % 2, 4, 1, 1);
  for (int32_t at = 9000; at + 5000 < lunghezza; at += 41000) PutSlowdown(s, at, 60, 700);
  for (int32_t at = 700; at < lunghezza; at += 2000) PutSpeedBoard(s, at, 120, 130, 140, 0);
  int32_t spacing = std::max(5000, lunghezza / 70);
  int slot = 1;
  for (int32_t at = 0; at < lunghezza && slot <= 70; at += spacing, ++slot) {
    PutStation(s, slot, at, 12, 500, at / 20, "STAZIONE " + std::to_string(slot));
  }
  for (int i = 0; i < 5; ++i) {
    PutTextBoard(s, lunghezza / 6 * (i + 1) + 125, 80 - i, "(CARTELLO " + std::to_string(i) + ")");
  }
  StampHeader(s, lunghezza);
  return s;
}

}  // namespace percorso::testing
