// The compiled scenario: route cells, the 87-slot table, the plane geometry
// and the status of the compile. One `Scenario` holds a whole run's state and
// is passed explicitly to every operation that reads or changes it.
#ifndef PERCORSO_MODEL_MODEL_H_
#define PERCORSO_MODEL_MODEL_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/cells.h"
#include "model/diagnostic.h"
#include "model/status.h"
#include "model/tracciato.h"

namespace percorso {

/// One slot of the table: a station, a text board or header values. `nome`
/// holds Windows-1252 bytes.
struct voce {
  uint8_t tipo = 0;
  int32_t inizio = 0;
  int32_t fine = 0;
  int32_t posizione = 0;
  uint8_t marca = 0;
  std::string nome;
  int16_t valore1 = 0;
  int16_t valore2 = 0;
  int16_t valore3 = 0;
  int16_t valore4 = 0;
  int16_t valore5 = 0;
  uint8_t opzione1 = 0;
  uint8_t opzione2 = 0;
  uint8_t opzione3 = 0;
  uint8_t opzione4 = 0;
  int32_t orario = 0;

  friend bool operator==(const voce&, const voce&) = default;
};

inline constexpr int kNumVoci = 87;
/// The longest `nome` a slot holds, in bytes: the table file stores its length
/// in 16 bits.
inline constexpr size_t kMaxNomeLength = 65535;
/// Slots with a fixed meaning.
inline constexpr int kVoceProgressivaTre = 81;
inline constexpr int kVoceProgressivaDue = 82;
inline constexpr int kVoceProgressivaUno = 83;
inline constexpr int kVoceTreno = 84;
inline constexpr int kVoceLinea = 85;
inline constexpr int kVoceChiaveTreno = 86;
/// The first slot that a text board takes; the next board takes the slot below.
inline constexpr int kPrimaVoceCartello = 80;

/// Which keyword test of its grammar took the fields of a kept record.
enum class EntryKind {
  kTrainValue,  // a value of the train itself (braking mass, cars, clock, sand)
  kGradient,
  kCurve,
  kTerrain,
  kSpeedBoard,
  kTextBoard,
  kLineSpeed,
  kAdhesion,
  kSignal,
  kSlowdown,
  kCutOff,
  kStation,
};

/// One keyword test that an entry of a source file passed, as the parser read
/// it: where the entry's keyword field stands, that field, the values of the
/// fields the test took in file order (numbers as read; a text field as its
/// Windows-1252 bytes), and what it placed. An entry that passes several tests
/// gives one record for each.
struct SourceEntry {
  SourceLocation place;
  std::string keyword;
  EntryKind kind = EntryKind::kTrainValue;
  std::vector<int64_t> numbers;
  std::string text;
  /// The cells whose features the record placed, in the order placed.
  std::vector<int64_t> cells;
  /// The `voci` slot of a station that was placed; 0 otherwise.
  int32_t slot = 0;
};

/// The whole state of one run.
struct Scenario {
  std::string line_key;
  std::string train_key;

  /// The compile driver's parameter: non-zero asks for the geometry
  /// (`tracciato`, the curves, the geometry file) too. Read it through
  /// wants_geometry().
  int32_t j = 0;
  bool wants_geometry() const { return j != 0; }
  /// The status of the compile (`stato`, `progressiva_errore` and the place of
  /// the entry that raised it): 0 until a problem is raised, then the last one.
  Diagnostic diagnostic;
  int32_t lunghezza_estesa = 0;
  int32_t ultima_cella = 0;

  /// Empty until the parser reads the route length.
  std::vector<cella> celle;
  std::array<voce, kNumVoci> voci{};
  /// Present only when the geometry is asked for and the route length was
  /// read.
  std::optional<Tracciato> tracciato;

  bool has_celle() const { return !celle.empty(); }
  /// The cell at `i`, or nullptr when `i` lies outside 0 .. ultima_cella.
  cella* cell_at(int64_t i) {
    if (i < 0 || static_cast<uint64_t>(i) >= celle.size()) return nullptr;
    return &celle[static_cast<size_t>(i)];
  }
  const cella* cell_at(int64_t i) const {
    if (i < 0 || static_cast<uint64_t>(i) >= celle.size()) return nullptr;
    return &celle[static_cast<size_t>(i)];
  }

  /// Every status raised, in order (the last one is `diagnostic`).
  std::vector<Diagnostic> raised;

  /// Raises status `code` for the entry read at `where` (the one setter of
  /// the status), with `notes` that explain it and a `text` that says it in
  /// the entry's terms (empty: the status's meaning). `posizione`, when given,
  /// goes in `progressiva_errore`; without it the position of the previous
  /// status stays. A different status that it replaces is kept as a last note.
  void SetStatus(Status code, const SourceLocation& where,
                 std::optional<int32_t> posizione = std::nullopt, std::vector<Note> notes = {},
                 std::string text = {});
};

/// The metres a route runs on past its length: cells and geometry cover
/// `lunghezza` + kRouteExtension.
inline constexpr int32_t kRouteExtension = 7000;

/// Creates `celle` for a route of `lunghezza` metres: `lunghezza_estesa` is the
/// length plus kRouteExtension and the last index is LastCellOf that length. With `j` non-zero the
/// geometry table is created too, for metres 0 .. `lunghezza_estesa`.
void create_route(Scenario& s, int32_t lunghezza);

/// Clears every slot of `voci` to zeros and empty names.
void clear_voci(Scenario& s);

}  // namespace percorso

#endif  // PERCORSO_MODEL_MODEL_H_
