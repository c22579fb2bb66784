#include "io/fresh_file.h"

#include <algorithm>

#include "io/commit_journal.h"
#include "io/interrupts.h"
#include "io/platform.h"

namespace percorso {

bool CheckReplaceable(Disk& disk, const std::string& path, std::string* err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kRegular && info.read_only) {
    *err = path + ": cannot replace: Permission denied (the file is read-only)";
    return false;
  }
  if (info.link || info.kind == FileKind::kMissing || info.kind == FileKind::kRegular) return true;
  if (info.kind == FileKind::kDirectory) {
    *err = path + ": cannot write: Is a directory";
  } else {
    *err = path + ": cannot replace: " + info.other + ", not a regular file";
  }
  return false;
}

bool CheckAllReplaceable(Disk& disk, std::span<const std::string> paths, std::string* err) {
  for (const std::string& path : paths) {
    if (!CheckReplaceable(disk, path, err)) return false;
  }
  return true;
}

bool CheckNoOutputIsAnInput(Disk& disk, std::span<const std::string> outputs,
                            std::span<const std::string> inputs, std::string* err) {
  std::vector<FileInfo> read;
  read.reserve(inputs.size());
  for (const std::string& input : inputs) read.push_back(disk.Stat(input));
  for (const std::string& output : outputs) {
    const FileInfo written = disk.Stat(output);
    for (size_t i = 0; i < inputs.size(); ++i) {
      if (written.SameFileAs(read[i]) || output == inputs[i]) {
        *err = output + ": the output would overwrite the input " + inputs[i] +
               " (the same file); nothing was written";
        return false;
      }
    }
  }
  return true;
}

FileSet::~FileSet() {
  DiscardAll();
}

void FileSet::DiscardAll() {
  std::string ignored;
  for (const Staged& s : staged_) {
    if (s.open) disk_.Close(s.temp.handle, &ignored);
    if (!s.renamed) disk_.Discard(s.temp, &ignored);
    // An old file still aside under its second name only loses that name.
    if (s.has_aside && !s.moved) disk_.Discard(s.aside, &ignored);
  }
  staged_.clear();
}

bool FileSet::Add(const std::string& path, std::string_view bytes, std::string* err) {
  return AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        return bytes.empty() || disk_.Write(handle, bytes, reason);
      },
      err);
}

bool FileSet::AddChunked(const std::string& path, const std::function<bool(std::string*)>& next,
                         std::string* err) {
  return AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        std::string piece;
        while (next(&piece)) {
          if (!piece.empty() && !disk_.Write(handle, piece, reason)) return false;
          piece.clear();
        }
        return true;
      },
      err);
}

bool FileSet::AddWritten(const std::string& path,
                         const std::function<bool(FileHandle handle, std::string* reason)>& write,
                         std::string* err) {
  if (!CheckReplaceable(disk_, path, err)) return false;
  TemporaryFile temp;
  std::string reason;
  if (!disk_.CreateTemporary(path, &temp, &reason)) {
    *err = path + ": cannot create the temporary file " + std::string(BaseName(temp.path)) + ": " +
           reason;
    return false;
  }
  if (!write(temp.handle, &reason)) {
    *err = path + ": cannot write: " + reason;
    disk_.Close(temp.handle, &reason);
    disk_.Discard(temp, &reason);
    return false;
  }
  // The disk writes this file while the next ones are encoded; Commit waits
  // for all of them at once.
  disk_.BeginSync(temp.handle, 0, 0);
  Staged staged;
  staged.target = path;
  staged.temp = std::move(temp);
  staged.open = true;
  staged_.push_back(std::move(staged));
  return true;
}

bool FileSet::SyncTemporaries(std::string* err) {
  std::string reason;
  for (Staged& s : staged_) {
    if (!s.open) continue;
    const bool synced = disk_.Sync(s.temp.handle, &reason);
    if (!synced) *err = s.target + ": cannot write: " + reason;
    s.open = false;
    if (!disk_.Close(s.temp.handle, &reason) && synced) {
      *err = s.target + ": cannot write: " + reason;
      return false;
    }
    if (!synced) return false;
  }
  return true;
}

std::string FileSet::NoneReplaced() const {
  return staged_.size() > 1 ? " (no file of the set was replaced)" : "";
}

bool FileSet::KeepOldFiles(std::string* err) {
  std::string reason;
  for (Staged& s : staged_) {
    if (!CheckReplaceable(disk_, s.target, err)) {
      RollBack(0, err);
      return false;
    }
    FileInfo info = disk_.Stat(s.target);
    if (info.kind == FileKind::kMissing && !info.link) continue;
    if (!disk_.KeepAside(s.target, &s.aside, &s.moved, &reason)) {
      *err = s.target + ": cannot replace: " + reason + NoneReplaced();
      RollBack(0, err);
      return false;
    }
    s.has_aside = true;
  }
  return true;
}

void FileSet::RollBack(size_t replaced, std::string* err) {
  std::string reason;
  for (size_t i = 0; i < staged_.size(); ++i) {
    Staged& s = staged_[i];
    if (i < replaced && !s.has_aside) {
      // There was no old file: the new one goes.
      if (!disk_.Remove(s.target, &reason)) {
        *err += "; " + s.target + " could not be removed again: " + reason;
      }
    } else if (s.has_aside && (i < replaced || s.moved)) {
      if (disk_.Replace(s.aside, s.target, &reason)) {
        s.has_aside = false;
      } else {
        *err += "; the old " + s.target + " could not be put back (its content stays in " +
                std::string(BaseName(s.aside.path)) + " until the next run): " + reason;
        ForgetTemporary(s.aside.slot);
        s.has_aside = false;
      }
    }
  }
}

bool FileSet::SyncDirectories(std::string* err) {
  std::string reason;
  std::vector<std::string> done;
  for (const Staged& s : staged_) {
    std::string dir = DirName(s.target);
    if (std::find(done.begin(), done.end(), dir) != done.end()) continue;
    if (!disk_.SyncDirectory(dir, &reason)) {
      *err = dir + ": cannot sync: " + reason;
      return false;
    }
    done.push_back(std::move(dir));
  }
  return true;
}

bool FileSet::Commit(std::string* err) {
  // The wait for the disk comes before interrupts are held, so that an
  // interrupt still ends the run while the files are written.
  if (!SyncTemporaries(err)) {
    DiscardAll();
    return false;
  }
  // An interrupt waits until every file is renamed, or put back: the set
  // changes whole.
  InterruptsHeld held;
  if (!KeepOldFiles(err)) {
    DiscardAll();
    return false;
  }
  // Before the first rename, the journal records what is being done, so
  // that a run killed among the renames is completed by the next one.
  const std::string journal_dir = JournalDirectory();
  if (!journal_dir.empty() && !WriteJournal(disk_, journal_dir, JournalOf(), err)) {
    *err += NoneReplaced();
    RemoveJournal(disk_, journal_dir);
    RollBack(0, err);
    DiscardAll();
    return false;
  }
  std::string reason;
  for (size_t i = 0; i < staged_.size(); ++i) {
    if (!disk_.Replace(staged_[i].temp, staged_[i].target, &reason)) {
      *err = staged_[i].target + ": cannot replace: " + reason;
      // The journal says so first, so that a run killed while the old files
      // are put back is rolled back by the next one too.
      std::string unrecorded;
      if (!journal_dir.empty()) {
        Journal backward = JournalOf();
        backward.state = JournalState::kBackward;
        WriteJournal(disk_, journal_dir, backward, &unrecorded);
      }
      RollBack(i, err);
      for (size_t k = 0; k < i; ++k) staged_[k].renamed = true;
      if (err->find("; ") == std::string::npos) *err += NoneReplaced();
      if (!journal_dir.empty()) RemoveJournal(disk_, journal_dir);
      DiscardAll();
      return false;
    }
  }
  // Every new file is in place and, once the directory is synced, for good:
  // the journal and the old files go.
  const bool synced = SyncDirectories(err);
  if (!journal_dir.empty()) RemoveJournal(disk_, journal_dir);
  for (Staged& s : staged_) {
    if (s.has_aside) disk_.Discard(s.aside, &reason);
    s.has_aside = false;
  }
  staged_.clear();
  return synced;
}

std::string FileSet::JournalDirectory() const {
  // One file is replaced in one step, and needs none.
  if (staged_.size() < 2) return "";
  std::string dir = DirName(staged_.front().target);
  for (const Staged& s : staged_) {
    if (DirName(s.target) != dir) return "";
  }
  return dir;
}

Journal FileSet::JournalOf() const {
  Journal journal;
  for (const Staged& s : staged_) {
    JournalEntry e;
    e.target = std::string(BaseName(s.target));
    e.temporary = std::string(BaseName(s.temp.path));
    if (s.has_aside) e.aside = std::string(BaseName(s.aside.path));
    e.moved = s.moved;
    journal.entries.push_back(std::move(e));
  }
  return journal;
}

bool WriteFresh(Disk& disk, const std::string& path, std::string_view bytes, std::string* err) {
  FileSet set(disk);
  return set.Add(path, bytes, err) && set.Commit(err);
}

}  // namespace percorso
