#include "driver/errore.h"

namespace percorso {

std::string errore(std::string_view a) {
  return " Errore n. " + std::string(a);
}

}  // namespace percorso
