// The slots of `voci` that stations and text boards take while a parse runs:
// stations from 1 upward in file order, boards from 80 downward, and where
// each station was read.
#ifndef PERCORSO_COMPILER_SLOT_CURSORS_H_
#define PERCORSO_COMPILER_SLOT_CURSORS_H_

#include <cstdint>
#include <vector>

#include "model/diagnostic.h"
#include "model/model.h"

namespace percorso {

class SlotCursors {
 public:
  /// The slot the next text board takes; there is none below 1.
  int32_t next_board() const { return board_; }
  /// The next text board took its slot.
  void BoardTaken() { --board_; }
  /// True when station slot `slot` has reached the board slots.
  bool ReachesBoards(int32_t slot) const { return slot >= board_; }

  /// The station in `slot` was read at `where`.
  void StationRead(int32_t slot, const SourceLocation& where) {
    if (slot < 0) return;
    if (station_places_.size() <= static_cast<size_t>(slot)) station_places_.resize(slot + 1);
    station_places_[static_cast<size_t>(slot)] = where;
  }
  /// Where the station in `slot` was read; no place when none was.
  SourceLocation StationPlace(int32_t slot) const {
    if (slot < 0 || static_cast<size_t>(slot) >= station_places_.size()) return {};
    return station_places_[static_cast<size_t>(slot)];
  }

  /// The station slots ran into the board slots (status 10 raised): a check
  /// passes over later stations.
  bool full() const { return full_; }
  void MarkFull() { full_ = true; }

 private:
  int32_t board_ = kPrimaVoceCartello;
  std::vector<SourceLocation> station_places_;
  bool full_ = false;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_SLOT_CURSORS_H_
