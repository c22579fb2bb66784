// The scenario page in the author's terms: the records that the parser kept of
// the entries of the source files, each found again on the cells it placed,
// and the tooltip of every feature written with the field names and
// units of the sources (positions in metres, speeds in km/h). A page made from
// compiled files has no records: its values are read back from the cells.
#ifndef PERCORSO_INSPECT_VIEW_TERMS_H_
#define PERCORSO_INSPECT_VIEW_TERMS_H_

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "inspect/view_features.h"
#include "model/model.h"

namespace percorso {

/// The kept records found again on the model: for each cell the record that
/// placed its feature, for each station slot its record, and the terrain
/// records in file order. Records that read no value are left out.
class RecordIndex {
 public:
  RecordIndex() = default;
  explicit RecordIndex(const std::vector<SourceEntry>& records);

  bool empty() const { return records_.empty(); }
  /// The record of `kind` that placed the feature of `cell`, or nullptr.
  const SourceEntry* AtCell(int64_t cell, EntryKind kind) const;
  /// The record of the station in `slot`, or nullptr.
  const SourceEntry* Station(int slot) const;
  /// The terrain records whose first cell lies in first..last.
  std::vector<const SourceEntry*> Terrain(int64_t first, int64_t last) const;
  /// The records of one kind, in file order.
  std::vector<const SourceEntry*> OfKind(EntryKind kind) const;

 private:
  std::vector<SourceEntry> records_;
  std::map<int64_t, size_t> by_cell_;
  std::map<int, size_t> by_slot_;
};

/// The value of the numeric field named `field` (as the keyword table names
/// it) that the record read; 0 when it read none.
int64_t RecordValue(const SourceEntry& r, std::string_view field);

/// "FILE:LINE" of a place; empty when it is not known.
std::string PlaceText(const SourceLocation& place);

/// The fields of a signal as its source line wrote them: from its record, or
/// read back from its cell (and the approach code two cells before).
struct SignalValues {
  int64_t posizione, sx, s1, s2, s3, rapp, dx, d1, d2, d3, tempo;
};
SignalValues SignalValuesAt(const ViewScenario& s, const RecordIndex& records, int64_t cell);

/// The fields of a slowdown: from its record when there is one (`from_record`
/// true), else from its start and end cells (f_ta unknown, 0).
struct SlowdownValues {
  int64_t x, v, l, f_tt, f_ta, d_v;
  bool from_record;
};
SlowdownValues SlowdownValuesOf(const ViewScenario& s, const RecordIndex& records,
                                const ViewSlowdown& sd);

/// A single-cell feature in the author's terms: where it stands (a cut-off at
/// its position as written), its kind for its glyph and the legend, and its
/// tooltip.
struct FeatureTerms {
  int64_t metres = 0;
  /// "signal sx1", "signal sx2" or "signal sx-other" by a signal's left
  /// indication, with " right" when it has a right one; "speed-board",
  /// "text-board", "slowdown-board warning" or "slowdown-board numbered";
  /// "marker cut-off" or "marker".
  std::string kind;
  /// Its kind, kilometre and the values as written, named as in the sources,
  /// and the FILE:LINE of its record; from the cells when there is no record.
  /// Ends with the cell and its members.
  std::string tip;
};
FeatureTerms DescribeFeature(const ViewScenario& s, const RecordIndex& records, int64_t cell);

/// The tooltip of a slowdown from its start cell to its end cell.
std::string SlowdownTip(const ViewScenario& s, const RecordIndex& records, const ViewSlowdown& sd);

/// The tooltip of a station.
std::string StationTip(const RecordIndex& records, const ViewStation& st);

/// The tooltip of a terrain or tunnel stretch.
std::string StretchTip(const RecordIndex& records, const ViewStretch& st);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_TERMS_H_
