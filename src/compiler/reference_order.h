// Ordering of the three kilometric reference triples of slots 81 to 83.
#ifndef PERCORSO_COMPILER_REFERENCE_ORDER_H_
#define PERCORSO_COMPILER_REFERENCE_ORDER_H_

#include "model/model.h"

namespace percorso {

/// Reorders the triples (`inizio`, `fine`, `posizione`) of slots 81, 82, 83 by
/// their first value, largest first, then adds 100 to the second value of each
/// triple whose third value is 1, slot by slot. Returns false when such a
/// second value would pass the 32-bit range (an arithmetic overflow): that
/// slot and the slots after it are left without the addition.
bool progressive_ordina(Scenario& s);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_REFERENCE_ORDER_H_
