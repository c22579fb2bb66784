// Placing route features on cells: terrain and tunnel stretches, slowdowns with
// their boards, signals with their approach codes, speed-indicator boards. Each
// operation takes its entry whole and returns its status: a conflict returns
// its code at once. A cell that an operation needs outside the array (or no
// array at all) returns Status::kBeyondCells, and nothing is written outside
// the array. The caller stores the status with the entry's position and place.
#ifndef PERCORSO_COMPILER_PLACEMENT_H_
#define PERCORSO_COMPILER_PLACEMENT_H_

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/cells.h"
#include "model/model.h"
#include "model/status.h"

namespace percorso {

/// What a placement operation did: Status::kNone and the cells whose `tipo` it
/// set, or the code of what stopped it and, after a conflict, the cell that
/// was taken.
struct Esito {
  Status stato = Status::kNone;
  std::array<int64_t, 7> celle{};
  int quante = 0;

  Esito() = default;
  explicit Esito(Status code) : stato(code) {}
  Esito(Status code, int64_t cella) : stato(code) { Add(cella); }
  void Add(int64_t cella) { celle[static_cast<size_t>(quante++)] = cella; }
};

/// A terrain stretch placed on cells `prima` .. `ultima` and not yet drawn on
/// them: its terrain code and whether every fourth cell gets a tunnel filler.
struct PendingStretch {
  int64_t prima = 0;
  int64_t ultima = 0;
  uint8_t montagna = 0;
  bool galleria = false;
};

/// The terrain operation's list of the stretches of one parse: the starts and
/// ends of the stretches placed so far, the tunnel flag of the last call, and
/// the stretches placed since the cells were last drawn, in order.
struct StretchList {
  std::vector<int32_t> inizi_tratti;
  std::vector<int32_t> fini_tratti;
  bool galleria = false;
  std::vector<PendingStretch> pending;
};

/// Places a stretch (no conflict code) and adds it to `tratti`. A stretch
/// that starts 150 m or less after the end of the previous one is drawn as
/// terrain 3. The cells are drawn by DrawStretches.
Esito memo_montagna(Scenario& s, StretchList& tratti, const Montagna& m);

/// Draws the stretches placed since the last call on the cells, as drawing
/// each in turn at its placement would: `montagna` of every cell of a stretch
/// (the last stretch over a cell wins), and a tunnel filler on every fourth
/// cell of a tunnel stretch that is still empty. Deferring the fillers changes
/// nothing for the placements in between: an empty cell and a filler are both
/// free, and no placement empties a cell. Costs O(stretches + cells).
void DrawStretches(Scenario& s, StretchList& tratti);

/// Places a slowdown. Codes 17 to 20; after 20 the start, end and warning
/// cells stay written.
Esito memo_rallentamento(Scenario& s, const Rallentamento& r);

/// The cell of the warning board of a slowdown at `x` metres.
int64_t cella_avviso_rallentamento(int32_t x);

/// Cells kept as they were before an entry wrote them, to be put back when
/// the entry is left out.
class SavedCells {
 public:
  /// Keeps cell `index` as it is now; a cell outside the array is passed
  /// over.
  void Save(const Scenario& s, int64_t index);
  /// Puts the kept cells back, the one kept first last: each cell ends as it
  /// was before its first Save.
  void Restore(Scenario& s) const;

 private:
  std::vector<std::pair<int64_t, cella>> cells_;
};

/// Places a signal. Code 16. A time value 1 to 100 is stored as 101.
Esito memo_segnale(Scenario& s, const Segnale& g);

/// Places a speed-indicator board. Code 21; Status::kReadFailure, with nothing
/// written, when a speed code does not fit 16 signed bits (an arithmetic
/// overflow).
Esito memo_indicatori_v_max(Scenario& s, const IndicatoriVMax& b);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PLACEMENT_H_
