// Writing files fresh: the new content never mixes with an old file of the
// same name, and the name always holds either the whole old file or the whole
// new one. The bytes go to a temporary file in the same directory; once it is
// complete it is renamed over the old file in one step.
#ifndef PERCORSO_IO_FRESH_FILE_H_
#define PERCORSO_IO_FRESH_FILE_H_

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/commit_journal.h"
#include "io/disk.h"

namespace percorso {

/// True when `path` may be replaced: nothing is there, or a regular file that
/// is not read-only, or a symbolic link (replaced as a link, what it points to
/// untouched) unless it points to a read-only file. A directory, a device, a
/// FIFO or a socket is refused. On refusal `*err` is one line naming the file.
bool CheckReplaceable(Disk& disk, const std::string& path, std::string* err);

/// CheckReplaceable for every path, stopping at the first refusal.
bool CheckAllReplaceable(Disk& disk, std::span<const std::string> paths, std::string* err);

/// False, with one line naming both, when one of `outputs` is the same file as
/// one of `inputs` (one file under two names, through a link, or the same
/// name): replacing it would destroy what is read.
bool CheckNoOutputIsAnInput(Disk& disk, std::span<const std::string> outputs,
                            std::span<const std::string> inputs, std::string* err);

/// Files replaced together. Each added file is written whole to a temporary of
/// its own, which stays open while the disk writes it in the background;
/// Commit waits until every temporary is on the disk and renames each over its
/// target, in the order added. Temporaries not committed are removed when the
/// set is destroyed, so a failure before Commit changes no file.
class FileSet {
 public:
  explicit FileSet(Disk& disk) : disk_(disk) {}
  ~FileSet();
  FileSet(const FileSet&) = delete;
  FileSet& operator=(const FileSet&) = delete;

  /// Checks that `path` may be replaced and writes `bytes` to its temporary.
  bool Add(const std::string& path, std::string_view bytes, std::string* err);
  /// The same, for content produced in pieces: `next` appends the next piece
  /// to its argument and returns false once nothing is left.
  bool AddChunked(const std::string& path, const std::function<bool(std::string*)>& next,
                  std::string* err);
  /// The same, for content that `write` writes itself to the open `handle` of
  /// the temporary (with Disk::Write or Disk::WriteAt); it returns false, with
  /// `*reason` set, to give up.
  bool AddWritten(const std::string& path,
                  const std::function<bool(FileHandle handle, std::string* reason)>& write,
                  std::string* err);
  /// Replaces every target, or none: each old file is first kept aside under
  /// a temporary name (a second name of the same file), a journal of the
  /// commit is written and synced (for several files in one directory: see
  /// commit_journal.h), then the temporaries are renamed over their targets, with interrupts held
  /// until the last one is renamed. When a rename fails, the files already replaced get their old
  /// content back (or are removed when there was none) and `*err` names the file that failed, as it
  /// does when a new file cannot be synced. The new files are synced before the renames and the
  /// directory after them.
  bool Commit(std::string* err);

 private:
  struct Staged {
    std::string target;
    TemporaryFile temp;
    /// The old file, kept aside until the whole set is in place.
    TemporaryFile aside;
    bool has_aside = false;
    /// The old file was renamed aside (no hard links): its name is empty.
    bool moved = false;
    /// The temporary was renamed over the target.
    bool renamed = false;
    /// The temporary is still open: written, not yet synced.
    bool open = false;
  };
  void DiscardAll();
  /// Syncs and closes every temporary still open; false, with `*err` naming
  /// the file, at the first that fails.
  bool SyncTemporaries(std::string* err);
  /// Checks every target again and keeps each old file aside; false, with
  /// every old file back in its place, when one cannot be.
  bool KeepOldFiles(std::string* err);
  /// Puts back the old files of the first `replaced` targets, and every old
  /// file renamed aside; adds to `*err` what could not be put back.
  void RollBack(size_t replaced, std::string* err);
  /// The end of a message about a failed commit of several files.
  std::string NoneReplaced() const;
  /// Syncs the directories of the targets.
  bool SyncDirectories(std::string* err);
  /// Where the commit's journal goes: the directory of every target, when
  /// there are several in one directory; else empty, for no journal.
  std::string JournalDirectory() const;
  /// The journal of the commit, once the old files are kept aside.
  Journal JournalOf() const;

  Disk& disk_;
  std::vector<Staged> staged_;
};

/// Replaces `path` whole with `bytes`, as a set of one file. On failure `*err`
/// is one line naming the file and the reason; the old file (if any) is
/// untouched and no temporary stays.
bool WriteFresh(Disk& disk, const std::string& path, std::string_view bytes, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_IO_FRESH_FILE_H_
