#include "route_generator.h"

#include <algorithm>
#include <string>

namespace percorso {
namespace {

// The route is laid out in blocks of 2000 m; every feature keeps its own
// offset inside a block so that no two land on one cell. Per block: a gradient
// at +0, a curve at +1000, a signal at +1050; every other block a speed board
// at +1500 and a tunnel stretch +200..+500; rarer: line speeds, stations,
// slowdowns, cut-offs and text boards. The built-in line has about one signal,
// one curve and 1.4 gradients per 2 km, a station every 6 km.
constexpr int kBlock = 2000;

void Line(std::string* out, const std::string& text) {
  *out += text;
  *out += "\r\n";
}

std::string N(long v) {
  return std::to_string(v);
}

}  // namespace

GeneratedRoute GenerateRoute(int km) {
  km = std::clamp(km, 1, 1000);
  const long length = km * 1000L;
  const int blocks = static_cast<int>((length - 1500) / kBlock);
  // The 87-slot table caps stations and boards together at 78.
  const int boards = blocks < 2 ? 0 : std::min(6, std::max(1, blocks / 15));
  const int stations = std::min({70, blocks, std::max(2, blocks / 3)});
  GeneratedRoute r;

  std::string& l = r.linea;
  Line(&l, "[generale]");
  Line(&l, "lunghezza percorso,    " + N(length));
  Line(&l, "progressiva chilometrica uno,    0,    0,    0");
  Line(&l, "progressiva chilometrica due,    0,    0,    0");
  Line(&l, "progressiva chilometrica tre,    0,    0,    0");
  Line(&l, "sfondo uno,    0");
  Line(&l, "sfondo due,    1");
  Line(&l, "sfondo tre,    0");
  Line(&l, "ripetizione segnali 4 codici,    1050,    " + N(blocks * kBlock));
  Line(&l, "[curve]");
  for (int b = 0; b < blocks; ++b) {
    const char* side = b % 2 ? "d" : "s";
    Line(&l, std::string("curva") + side + N(1 + b % 5) + ",  " + N(b * kBlock + 1000) + ",  400");
  }
  Line(&l, "[pendenze]");
  for (int b = 0; b < blocks; ++b) {
    Line(&l, "pendenza,  " + N(b * kBlock) + ",   " + N((b * 7) % 25 - 12));
  }
  Line(&l, "[montagne]");
  for (int b = 1; b < blocks; b += 2) {
    Line(&l, "montagna,   " + N(b * kBlock + 200) + ",  " + N(b * kBlock + 500) + ",  12");
  }
  Line(&l, "[cartelli]");
  for (int b = 0; b < blocks; b += 2) {
    Line(&l, "indicatori_vmax,  " + N(b * kBlock + 1500) + ",  110,  115,  120,  0,  ,  ,  ,  0");
  }
  Line(&l, "[indicazioni]");
  for (int i = 0; i < boards; ++i) {
    int b = 1 + i * (blocks - 1) / boards;
    Line(&l,
         "cartello_indicatore,  " + N(b * kBlock + 1300) + ",   (GALLERIA   )(N. " + N(i) + ")");
  }
  Line(&l, "[fine]");

  std::string& t = r.treno;
  Line(&t, "[generale]");
  Line(&t, "numero vetture,    15");
  Line(&t, "percentuale massa frenata,    125");
  Line(&t, "sabbia,    300");
  Line(&t, "orologio,    6               12            40 ");
  Line(&t, "[aderenze]");
  Line(&t, "aderenza,   0,    100");
  Line(&t, "[vel_limite]");
  for (int b = 0; b < blocks; b += 4) {
    Line(&t, "velocita,   " + N(b * kBlock) + ",    " + N(b == 0 ? 30 : 100 + (b % 12) * 5));
  }
  Line(&t, "[stazioni]");
  for (int i = 0; i < stations; ++i) {
    int b = i * blocks / stations;
    int h = 6 + i / 60, m = i % 60;
    Line(&t, "stazione,   " + N(b * kBlock + 300) +
                 ", 12,  500,  0, 0, 0,  1,1,0,  4,1,1,    0,   " + N(h) + "," + N(m) +
                 ", 0, STAZIONE " + N(i));
  }
  Line(&t, "[rallentamenti]");
  for (int b = 3; b < blocks; b += 24) {
    // A slowdown lowers the line speed: the first blocks run at 30 km/h.
    const std::string v = N(b < 4 ? 25 : 40);
    Line(&t, "rallentamento,   " + N(b * kBlock + 1700) + ",    " + v + ",  200, 0,  0,  " + v);
  }
  Line(&t, "[segnali]");
  for (int b = 0; b < blocks; ++b) {
    Line(&t, "segnale,   " + N(b * kBlock + 1050) + ",   " + N(1 + b % 2) + ", 4, 1,  0, 0,    " +
                 N(1 + b % 2) + ",  1,0,0, 0");
  }
  Line(&t, "[codici]");
  for (int b = 5; b < blocks; b += 48)
    Line(&t, "abbattimento,   " + N(b * kBlock + 1200) + ",   AC");
  Line(&t, "[fine]");
  return r;
}

}  // namespace percorso
