#include "compiler/profile.h"

namespace percorso {

bool ProfileCanWrite(const Scenario& s, int64_t cursor, ProfileEnd end) {
  if (end == ProfileEnd::kAtLastCell && cursor >= s.ultima_cella) return false;
  return s.cell_at(cursor) != nullptr;
}

void FillProfile(Scenario& s, int64_t& cursor, int64_t until, uint8_t cella::*member, uint8_t value,
                 ProfileEnd end) {
  do {
    if (!ProfileCanWrite(s, cursor, end)) return;
    s.celle[static_cast<size_t>(cursor)].*member = value;
    ++cursor;
  } while (cursor < until);
}

void FillTail(Scenario& s, int64_t& cursor, uint8_t cella::*member, uint8_t value) {
  FillProfile(s, cursor, static_cast<int64_t>(s.ultima_cella) - 2, member, value);
}

}  // namespace percorso
