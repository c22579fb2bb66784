// The status codes of a compile, each named beside its meaning. A code is
// stored in `stato`; 0 means no problem.
#ifndef PERCORSO_MODEL_STATUS_H_
#define PERCORSO_MODEL_STATUS_H_

#include <cstdint>
#include <span>
#include <string_view>

namespace percorso {

enum class Status : int32_t {
  kNone = 0,
  kRouteTooLong = 1,
  kReferenceNotMultiple = 2,
  kRepetitionStartNotMultiple = 3,
  kRepetitionEndNotMultiple = 4,
  kRepetitionWithoutCode = 5,
  kTextBoardTaken = 6,
  kCutOffTaken = 7,
  kStationPositionNotMultiple = 8,
  kStationLengthNotMultiple = 9,
  kStationSlotsFull = 10,
  kNoMarkerBeforeSignal = 11,
  kNoMarkerBeforeSlowdown = 12,
  kNoMarkerAfterSlowCell = 13,
  kBeyondCells = 15,
  kSignalTaken = 16,
  kWarningBoardTaken = 17,
  kSlowdownStartTaken = 18,
  kSlowdownEndTaken = 19,
  kNumberedCellTaken = 20,
  kSpeedBoardTaken = 21,
  kStationsTooClose = 22,
  kStationTooNearStart = 24,
  kReadFailure = 25,
  kLineFileMissing = 101,
  kNoGenerale = 102,
  kBadCurve = 103,
};

/// The fatal errors of the post-pass's header check, reported as " Errore n. "
/// and the number: the header values, or the check codes, are already taken.
inline constexpr int kFatalHeaderTaken = 1250;
inline constexpr int kFatalCheckCodesTaken = 1251;

/// The number stored in `stato` for `code`.
constexpr int32_t Code(Status code) {
  return static_cast<int32_t>(code);
}

/// One row of the status table: the code and what it means.
struct StatusRow {
  Status code;
  std::string_view meaning;
};

/// Every status, in the order of the codes.
std::span<const StatusRow> StatusTable();

/// What a status code means; "unknown status" for a code the compiler never
/// sets.
std::string_view StatusMeaning(int32_t stato);

}  // namespace percorso

#endif  // PERCORSO_MODEL_STATUS_H_
