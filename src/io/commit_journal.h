// The journal of a commit of several files: written and synced before the
// first of them is renamed into place, removed once the last is, so that a run
// killed in between (SIGKILL, a crash, a power cut) leaves a record of what it
// was doing. The next run that locks the directory completes that commit, or
// rolls it back when it cannot be completed, before it does anything else.
//
// The journal holds names only: each target, the temporary that holds its new
// content (complete and synced before the journal is written) and the second
// name that keeps its old content. A temporary still there was not renamed
// yet; one gone was renamed over its target.
#ifndef PERCORSO_IO_COMMIT_JOURNAL_H_
#define PERCORSO_IO_COMMIT_JOURNAL_H_

#include <string>
#include <string_view>
#include <vector>

#include "io/disk.h"

namespace percorso {

/// The journal's name in the directory of the files it replaces: a dot file
/// that no scenario's name and no temporary's name can be.
inline constexpr std::string_view kJournalName = ".percorso-commit";

struct JournalEntry {
  /// Names in the journal's directory, without the directory.
  std::string target;
  std::string temporary;
  /// The old file's second name; empty when the target did not exist.
  std::string aside;
  /// The old file was renamed to `aside` (no hard links): `target` is empty
  /// until one of the two is renamed to it.
  bool moved = false;
  friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

enum class JournalState {
  kForward,   // the new files are being renamed into place
  kBackward,  // the old files are being put back
};

struct Journal {
  JournalState state = JournalState::kForward;
  std::vector<JournalEntry> entries;
  friend bool operator==(const Journal&, const Journal&) = default;
};

/// The journal's bytes: a line of its own, its state, each entry's names
/// escaped on lines of their own, and a checksum of all that.
std::string EncodeJournal(const Journal& journal);
/// False with the reason when `bytes` are not a whole journal.
bool DecodeJournal(std::string_view bytes, Journal* journal, std::string* err);

/// Writes `journal` into `dir` through a temporary, synced, renamed over any
/// journal there and the directory synced: once it returns true, the journal
/// survives a power cut. False with one line naming the journal.
bool WriteJournal(Disk& disk, const std::string& dir, const Journal& journal, std::string* err);

/// Removes the journal of `dir`, if any.
void RemoveJournal(Disk& disk, const std::string& dir);

enum class Recovery {
  kNone,        // no journal: nothing was unfinished
  kCompleted,   // the unfinished commit was completed: every target is new
  kRolledBack,  // it could not be completed: every target is old again
  kFailed,      // neither could be done; the journal stays for the next run
};

/// Completes or rolls back the unfinished commit recorded in the journal of
/// `dir`, then removes the journal. To be called with the directory's
/// exclusive lock, before its stale temporaries are removed (the journal
/// names some of them). `*said` is one line for the user on kCompleted and
/// kRolledBack, `*err` one line on kFailed.
Recovery RecoverUnfinishedCommit(Disk& disk, const std::string& dir, std::string* said,
                                 std::string* err);

}  // namespace percorso

#endif  // PERCORSO_IO_COMMIT_JOURNAL_H_
