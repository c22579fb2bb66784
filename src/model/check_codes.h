// The two check codes that tie a compiled scenario to its keys.
#ifndef PERCORSO_MODEL_CHECK_CODES_H_
#define PERCORSO_MODEL_CHECK_CODES_H_

#include <cstdint>

#include "model/model.h"

namespace percorso {

/// The plain sum of the first 25 characters of train key + line key (slots 86
/// and 85), lower-cased, padded with a fixed filler.
int16_t codice_gara_og(const Scenario& s);
/// The same 25 characters, each weighted by its 1-based position.
int32_t codice_gara_st(const Scenario& s);

}  // namespace percorso

#endif  // PERCORSO_MODEL_CHECK_CODES_H_
