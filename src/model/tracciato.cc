#include "model/tracciato.h"

namespace percorso {

bool Tracciato::set_origine() {
  origine_ = contains(1) ? 2 : 1;
  return origine_ == 2;
}

bool Tracciato::AddRun(int64_t primo, int64_t ultimo, double k) {
  if (primo != prossimo() || ultimo > ultimo_metro_) return false;
  if (ultimo < primo) return true;
  // Consecutive steps with the same turn replay as one run.
  if (!tratti_.empty() && tratti_.back().k == k) {
    tratti_.back().ultimo = static_cast<int32_t>(ultimo);
  } else {
    tratti_.push_back({static_cast<int32_t>(primo), static_cast<int32_t>(ultimo), k});
  }
  calcolati_ += ultimo - primo + 1;
  return true;
}

TracciatoReader::TracciatoReader(const Tracciato& t)
    : t_(t), size_(static_cast<int64_t>(t.per_coordinata())) {
  // From the origin's unit step; without the origin every step is 0.
  if (t.origine() >= 2) y1_ = 1;
}

}  // namespace percorso
