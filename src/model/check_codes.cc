#include "model/check_codes.h"

#include <array>
#include <string>
#include <string_view>

#include "model/windows1252.h"

namespace percorso {
namespace {

// Pads short keys so that the 25 counted characters always exist.
constexpr std::string_view kRiempitivo = "aabbccddeeffgghhiillmmnnoo";
constexpr size_t kCaratteri = 25;

// The first 25 characters of train key + line key, lower-cased, then the
// filler; as unsigned code-page values, since accented letters lie above 0x7F.
std::array<int32_t, kCaratteri> Valori(const Scenario& s) {
  std::string testo = ToLower1252(s.voci[kVoceChiaveTreno].nome + s.voci[kVoceLinea].nome);
  testo.append(kRiempitivo);
  std::array<int32_t, kCaratteri> valori{};
  for (size_t p = 0; p < kCaratteri; ++p) valori[p] = static_cast<uint8_t>(testo[p]);
  return valori;
}

}  // namespace

int16_t codice_gara_og(const Scenario& s) {
  int32_t somma = 0;
  for (int32_t v : Valori(s)) somma += v;
  // At most 25 × 255 = 6375: always fits.
  return static_cast<int16_t>(somma);
}

int32_t codice_gara_st(const Scenario& s) {
  std::array<int32_t, kCaratteri> valori = Valori(s);
  int32_t somma = 0;
  for (size_t p = 0; p < kCaratteri; ++p) somma += valori[p] * static_cast<int32_t>(p + 1);
  return somma;
}

}  // namespace percorso
