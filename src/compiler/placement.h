// Placing route features on cells: terrain and tunnel stretches, slowdowns with
// their boards, signals with their approach codes, speed-indicator boards. A
// conflict stores its code in `stato` and the operation returns at once. A cell
// that an operation needs outside the array (or no array at all) stores 15 in
// `stato` and the entry's position in `progressiva_errore`, and nothing is
// written outside the array.
#ifndef PERCORSO_COMPILER_PLACEMENT_H_
#define PERCORSO_COMPILER_PLACEMENT_H_

#include <cstdint>

#include "compiler/model.h"

namespace percorso {

/// A stretch from `inizio` to `fine` metres of terrain `tipo`; a `tipo` above
/// 10 marks a tunnel. May change the caller's `tipo`. No conflict code.
void memo_montagna(Scenario& s, int32_t& inizio, int32_t& fine, int32_t& tipo);

/// A slowdown starting at `x` metres, speed `v`, length `l` metres. Codes 17 to
/// 20.
void memo_rallentamento(Scenario& s, int32_t x, int32_t& v, int32_t& l, int32_t& f_tt, int32_t f_ta,
                        int32_t& d_v);

/// A signal at `posizione` metres. Code 16. May change the caller's `tempo`.
void memo_segnale(Scenario& s, int32_t posizione, int32_t& sx, int32_t& s1, int32_t& s2,
                  int32_t& s3, int32_t& rapp, int32_t& dx, int32_t& d1, int32_t& d2, int32_t& d3,
                  int32_t& tempo);

/// A speed-indicator board at `posizione` metres. Code 21. Returns false, and
/// writes nothing, when a speed code does not fit 16 signed bits (an
/// arithmetic overflow).
bool memo_indicatori_v_max(Scenario& s, int32_t posizione, int32_t& vas, int32_t& vbs, int32_t& vcs,
                           int32_t& strisces, int32_t& vad, int32_t& vbd, int32_t& vcd,
                           int32_t& strisced);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PLACEMENT_H_
