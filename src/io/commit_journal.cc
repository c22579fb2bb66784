#include "io/commit_journal.h"

#include <cstdint>

#include "io/platform.h"

namespace percorso {
namespace {

constexpr std::string_view kFirstLine = "percorso commit journal 1";

// No journal of a few file names comes near this.
constexpr uint64_t kMaxJournalSize = uint64_t{1} << 20;

/// FNV-1a, 64 bits, as 16 hex digits.
std::string Checksum(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
  std::string hex(16, '0');
  for (int i = 15; i >= 0; --i, hash >>= 4)
    hex[static_cast<size_t>(i)] = "0123456789abcdef"[hash & 15];
  return hex;
}

/// A name on one line: backslashes and line ends escaped.
std::string Escaped(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out += c;
    }
  }
  return out;
}

bool Unescaped(std::string_view line, std::string* name) {
  name->clear();
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      *name += line[i];
      continue;
    }
    if (++i == line.size()) return false;
    switch (line[i]) {
      case '\\':
        *name += '\\';
        break;
      case 'n':
        *name += '\n';
        break;
      case 'r':
        *name += '\r';
        break;
      default:
        return false;
    }
  }
  return true;
}

/// The targets of the journal, for a message: "A, B and C".
std::string TargetList(const Journal& journal) {
  std::string list;
  for (size_t i = 0; i < journal.entries.size(); ++i) {
    if (i > 0) list += i + 1 == journal.entries.size() ? " and " : ", ";
    list += journal.entries[i].target;
  }
  return list;
}

}  // namespace

std::string EncodeJournal(const Journal& journal) {
  std::string out(kFirstLine);
  out += '\n';
  out += journal.state == JournalState::kForward ? "forward\n" : "backward\n";
  for (const JournalEntry& e : journal.entries) {
    out += "file\n";
    out += Escaped(e.target) + "\n";
    out += Escaped(e.temporary) + "\n";
    out += Escaped(e.aside) + "\n";
    out += e.aside.empty() ? "none\n" : e.moved ? "moved\n" : "linked\n";
  }
  out += "end " + Checksum(out) + "\n";
  return out;
}

bool DecodeJournal(std::string_view bytes, Journal* journal, std::string* err) {
  *journal = Journal();
  const size_t end = bytes.rfind("end ");
  if (end == std::string_view::npos || (end > 0 && bytes[end - 1] != '\n') ||
      bytes.substr(end) != "end " + Checksum(bytes.substr(0, end)) + "\n") {
    *err = "a journal cut short or damaged";
    return false;
  }
  std::vector<std::string_view> lines;
  for (std::string_view rest = bytes.substr(0, end); !rest.empty();) {
    const size_t line_end = rest.find('\n');
    lines.push_back(rest.substr(0, line_end));
    rest.remove_prefix(line_end + 1);
  }
  if (lines.size() < 2 || lines[0] != kFirstLine ||
      (lines[1] != "forward" && lines[1] != "backward") || (lines.size() - 2) % 5 != 0) {
    *err = "not a journal of this program";
    return false;
  }
  journal->state = lines[1] == "forward" ? JournalState::kForward : JournalState::kBackward;
  for (size_t i = 2; i < lines.size(); i += 5) {
    JournalEntry e;
    const std::string_view kind = lines[i + 4];
    if (lines[i] != "file" || !Unescaped(lines[i + 1], &e.target) ||
        !Unescaped(lines[i + 2], &e.temporary) || !Unescaped(lines[i + 3], &e.aside) ||
        (kind != "none" && kind != "moved" && kind != "linked") || e.target.empty() ||
        e.temporary.empty() || (kind == "none") != e.aside.empty()) {
      *err = "not a journal of this program";
      return false;
    }
    e.moved = kind == "moved";
    journal->entries.push_back(std::move(e));
  }
  return true;
}

bool WriteJournal(Disk& disk, const std::string& dir, const Journal& journal, std::string* err) {
  const std::string path = JoinPath(dir, kJournalName);
  const std::string bytes = EncodeJournal(journal);
  TemporaryFile temp;
  std::string reason;
  if (!disk.CreateTemporary(path, &temp, &reason)) {
    *err = path + ": cannot create the temporary file " + std::string(BaseName(temp.path)) + ": " +
           reason;
    return false;
  }
  bool written = disk.Write(temp.handle, bytes, &reason) && disk.Sync(temp.handle, &reason);
  std::string ignored;
  if (!disk.Close(temp.handle, written ? &reason : &ignored)) written = false;
  if (!written) {
    *err = path + ": cannot write: " + reason;
    disk.Discard(temp, &ignored);
    return false;
  }
  if (!disk.Replace(temp, path, &reason)) {
    *err = path + ": cannot replace: " + reason;
    disk.Discard(temp, &ignored);
    return false;
  }
  if (!disk.SyncDirectory(dir, &reason)) {
    *err = dir + ": cannot sync: " + reason;
    return false;
  }
  return true;
}

void RemoveJournal(Disk& disk, const std::string& dir) {
  // Removed as a file of the commit that is not wanted any more; a journal
  // that stays is only read again by the next run, and finds nothing to do.
  TemporaryFile journal;
  journal.path = JoinPath(dir, kJournalName);
  std::string ignored;
  disk.Discard(journal, &ignored);
}

Recovery RecoverUnfinishedCommit(Disk& disk, const std::string& dir, std::string* said,
                                 std::string* err) {
  const std::string path = JoinPath(dir, kJournalName);
  const FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kMissing && !info.link) return Recovery::kNone;
  const std::string unfinished = "a run that was stopped left the commit of ";
  std::string bytes, reason;
  Journal journal;
  if (!disk.ReadFile(path, kMaxJournalSize, &bytes, &reason)) {
    *err = path + ": cannot read the journal of an unfinished commit: " + reason;
    return Recovery::kFailed;
  }
  if (!DecodeJournal(bytes, &journal, &reason)) {
    *err = path + ": " + reason + "; the files of the commit it records may be of two runs: " +
           "check them, then remove it";
    return Recovery::kFailed;
  }
  auto in_dir = [&](const std::string& name) { return JoinPath(dir, name); };
  auto exists = [&](const std::string& name) {
    const FileInfo f = disk.Stat(in_dir(name));
    return f.kind != FileKind::kMissing || f.link;
  };
  auto rename = [&](const std::string& from, const std::string& to) {
    TemporaryFile temp;
    temp.path = in_dir(from);
    return disk.Replace(temp, in_dir(to), &reason);
  };
  const std::string targets = TargetList(journal);
  if (journal.state == JournalState::kForward) {
    // Every new file is whole and synced: the renames not done yet are done.
    bool completed = true;
    std::string failed;
    for (const JournalEntry& e : journal.entries) {
      if (exists(e.temporary) && !rename(e.temporary, e.target)) {
        completed = false;
        failed = in_dir(e.target) + ": cannot replace: " + reason;
        break;
      }
    }
    if (completed) {
      if (!disk.SyncDirectory(dir, &reason)) {
        *err = dir + ": cannot sync: " + reason;
        return Recovery::kFailed;
      }
      RemoveJournal(disk, dir);
      *said = dir + ": " + unfinished + targets + " unfinished; it is completed now";
      return Recovery::kCompleted;
    }
    journal.state = JournalState::kBackward;
    if (!WriteJournal(disk, dir, journal, err)) {
      *err = failed + "; " + *err;
      return Recovery::kFailed;
    }
  }
  // The old files are put back; a target that had none goes, once its new
  // file is in place.
  for (const JournalEntry& e : journal.entries) {
    if (!e.aside.empty()) {
      if (exists(e.aside) && !rename(e.aside, e.target)) {
        *err = in_dir(e.target) + ": cannot put the old file back from " + e.aside + ": " + reason;
        return Recovery::kFailed;
      }
    } else if (!exists(e.temporary) && exists(e.target) &&
               !disk.Remove(in_dir(e.target), &reason)) {
      *err = in_dir(e.target) + ": cannot remove: " + reason;
      return Recovery::kFailed;
    }
  }
  if (!disk.SyncDirectory(dir, &reason)) {
    *err = dir + ": cannot sync: " + reason;
    return Recovery::kFailed;
  }
  RemoveJournal(disk, dir);
  *said = dir + ": " + unfinished + targets + " unfinished; it could not be completed, and the " +
          "old files are back";
  return Recovery::kRolledBack;
}

}  // namespace percorso
