// What the scenario page shows, read off a decoded scenario: stations, terrain
// and tunnel stretches, slowdowns and the single-cell features, each with the
// cell it comes from. Names are turned into UTF-8 here.
#ifndef PERCORSO_INSPECT_VIEW_FEATURES_H_
#define PERCORSO_INSPECT_VIEW_FEATURES_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/model.h"
#include "output/geometry_table.h"

namespace percorso {

/// A message of the compile that made the page, listed at its top.
struct ViewDiagnostic {
  std::string severity;  // "error", "warning" or "note"
  std::string place;     // UTF-8 "FILE:LINE:COL", "FILE" or empty
  std::string text;      // UTF-8
  /// The metres of the line it points at, when it points at one.
  std::optional<int64_t> metres;
  /// The place in the sources, when it has one: a warning without metres is
  /// put at the position of the entry read there.
  SourceLocation where;
  /// What the page groups it under: a warning's name ("misspelt-keyword"),
  /// "status N" for an error with a status, "error" for one without; empty
  /// for a note, which goes with the message before it.
  std::string group;
};

/// A status that stopped the reading of the sources: the entries after its
/// place were not compiled, so the page does not show them.
struct ViewStop {
  SourceLocation where;
  int32_t stato = 0;
  /// False when only the reading of its own file stopped (an entry past the
  /// cells); the other file was still read.
  bool whole_compile = true;
};

/// A compiled scenario as read back from its files, or as compiled in memory
/// from its sources. The geometry may be missing (a scenario compiled without
/// it).
struct ViewScenario {
  std::string line_key;   // Windows-1252 bytes, as in the file names
  std::string train_key;  // Windows-1252 bytes
  std::vector<cella> celle;
  std::array<voce, kNumVoci> voci{};
  std::optional<GeometryTable> tracciato;
  /// From sources: the records the parser kept of the entries it read.
  std::vector<SourceEntry> entries;
  /// From sources: what the compile reported.
  std::vector<ViewDiagnostic> diagnostics;
  /// From sources: the statuses that stopped the reading, in the order raised.
  std::vector<ViewStop> stops;
  /// The address that opens a source file at a line in the author's editor,
  /// with {path}, {line} and {column} in it; empty for none.
  std::string editor;
  /// Each source file's path as given, with its absolute path for the
  /// editor's address.
  std::vector<std::pair<std::string, std::string>> source_paths;
};

/// The page's view of a model compiled in memory: its keys, cells, table and
/// geometry, the records it kept and the statuses that stopped its reading.
ViewScenario ViewOfModel(const Scenario& s, std::vector<SourceEntry> records = {});

/// A compile's errors, warnings and their notes as the page lists them, in the
/// order and the words of the compile's report; an error with a status points
/// at its position.
std::vector<ViewDiagnostic> PageDiagnostics(const std::vector<Diagnostic>& diagnostics);

struct ViewStation {
  int slot = 0;
  std::string name;  // UTF-8; "(slot N)" when the slot has no name
  const voce* v = nullptr;
  /// The cell of its stopping mark (a type-10 cell naming the slot), or -1.
  int64_t stop_cell = -1;
};

/// A run of cells with the same non-zero `montagna`; a tunnel when one of its
/// cells is a tunnel filler.
struct ViewStretch {
  int64_t first_cell = 0;
  int64_t last_cell = 0;
  uint8_t montagna = 0;
  bool tunnel = false;
};

/// A slowdown from its start cell to the first end cell at or after it (the
/// start cell itself when none follows).
struct ViewSlowdown {
  int64_t start_cell = 0;
  int64_t end_cell = 0;
  int16_t speed = 0;
};

/// The rows of single-cell features on the page.
enum class FeatureRow { kSignals, kSlowdownBoards, kSpeedBoards, kTextBoards, kMarkers };
inline constexpr int kFeatureRows = 5;

struct ViewFeature {
  FeatureRow row = FeatureRow::kSignals;
  int64_t cell = 0;
  /// A short label drawn beside the mark when there is room ("40", a board's
  /// text); may be empty.
  std::string label;
};

struct ViewFeatures {
  /// The kilometre axis runs from 0 to this many metres: the geometry's last
  /// metre when there is a geometry, else the metres of the last cell.
  int64_t axis_metres = 0;
  std::vector<ViewStation> stations;
  std::vector<ViewStretch> stretches;
  std::vector<ViewSlowdown> slowdowns;
  std::vector<ViewFeature> features;
};

/// Reads the features off `s`. Stations are the slots from 1 to 80 with a name
/// that no text board cell names, and every slot that a stopping mark names.
ViewFeatures CollectFeatures(const ViewScenario& s);

/// The text of a text board cell: the name of the slot its `dato1` names, in
/// UTF-8; empty when that slot does not exist.
std::string BoardText(const ViewScenario& s, const cella& c);

/// The speeds of a speed-indicator code in km/h: the hundreds times 5, then
/// "/" and the units times 5 when they are not 0 (2100 gives "105", 2222
/// gives "110/110").
std::string SpeedCodeText(int16_t code);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_VIEW_FEATURES_H_
