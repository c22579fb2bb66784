#include "compiler/tracciato.h"

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

TracciatoReader::TracciatoReader(const Tracciato& t) : t_(t), per_(t.per_coordinata()) {
  Restart(0);
}

void TracciatoReader::Seek(size_t position) {
  pos_ = std::min(position, size());
}

void TracciatoReader::Restart(int k) {
  k_ = k;
  m_ = 2;
  run_ = 0;
  // An entry that is not set reads 0.
  x0_ = 0;
  y0_ = 0;
  x1_ = 0;
  y1_ = t_.origine() >= 2 ? 1 : 0;
}

}  // namespace percorso
