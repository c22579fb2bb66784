// The file operations of the program, behind one narrow interface so that
// tests can replace the disk and make any single operation fail.
#ifndef PERCORSO_IO_DISK_H_
#define PERCORSO_IO_DISK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace percorso {

enum class FileKind { kMissing, kRegular, kDirectory, kOther };

struct FileInfo {
  FileKind kind = FileKind::kMissing;
  /// No write permission bit is set: the file is read-only for everybody,
  /// whatever privileges the process has.
  bool read_only = false;
  uint64_t size = 0;
  /// The path itself is a symbolic link; the members above describe what it
  /// points to (kMissing when nothing is there).
  bool link = false;
  /// What a kOther is, for messages: "a FIFO", "a character device", ...
  std::string other;
  /// Why a kMissing could not be examined when something else than its
  /// absence stopped it ("File name too long", "Permission denied").
  std::string error;
  /// What tells the file apart from every other of the machine (the device
  /// and the inode, or the volume and the file index): two names of one file
  /// have the same. Zero for a kMissing.
  uint64_t device = 0;
  uint64_t inode = 0;

  /// True when both name one existing file, through links or not.
  bool SameFileAs(const FileInfo& that) const {
    return kind != FileKind::kMissing && that.kind != FileKind::kMissing && device == that.device &&
           inode == that.inode;
  }
};

/// An open file of the platform: a descriptor, or a handle as an integer.
using FileHandle = intptr_t;
inline constexpr FileHandle kNoHandle = -1;

/// A temporary file, open for writing, in the directory of the file it will
/// replace.
struct TemporaryFile {
  /// Full name of the temporary; after a failed creation, the name that failed.
  std::string path;
  FileHandle handle = kNoHandle;
  /// Its place in the table of temporaries removed on an interrupt.
  int slot = -1;
};

enum class LockMode { kShared, kExclusive };

enum class LockResult {
  kLocked,       // the lock is held now
  kBusy,         // without waiting: another process holds it
  kUnsupported,  // the file system or the directory's permissions allow no lock, with the reason
  kFailed,       // any other failure, with the reason
};

class Disk;

/// An advisory lock on a directory, held until destroyed. It leaves no file
/// behind.
class DirectoryLock {
 public:
  DirectoryLock() = default;
  /// `owner` took the lock and is told when it is released.
  DirectoryLock(Disk* owner, FileHandle handle) : owner_(owner), handle_(handle) {}
  DirectoryLock(DirectoryLock&& other) noexcept : owner_(other.owner_), handle_(other.handle_) {
    other.handle_ = kNoHandle;
  }
  DirectoryLock& operator=(DirectoryLock&& other) noexcept {
    if (this != &other) {
      Release();
      owner_ = other.owner_;
      handle_ = other.handle_;
      other.handle_ = kNoHandle;
    }
    return *this;
  }
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;
  ~DirectoryLock() { Release(); }

  bool held() const { return handle_ != kNoHandle; }
  inline void Release();

 private:
  Disk* owner_ = nullptr;
  FileHandle handle_ = kNoHandle;
};

/// Every operation returns false and sets `*err` to the system's reason on
/// failure; the callers add the file's name.
class Disk {
 public:
  virtual ~Disk() = default;

  /// Examines the path itself first: a symbolic link is reported as one
  /// (`link`), with the kind of what it points to.
  virtual FileInfo Stat(const std::string& path) = 0;
  /// Reads a regular file whole. Fails for a file larger than `max_size`.
  virtual bool ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) = 0;
  /// Creates a new empty temporary file in the directory of `target`, under a
  /// short name of its own (never derived from the target's), exclusively and
  /// without following links. It takes the permissions of `target` when that
  /// is a regular file, else those of a new file. Until Replace or Discard it
  /// is removed if the process is interrupted.
  virtual bool CreateTemporary(const std::string& target, TemporaryFile* temp,
                               std::string* err) = 0;
  virtual bool Write(FileHandle handle, std::string_view data, std::string* err) = 0;
  /// Writes at `offset` of the file. A write past the end extends the file; a
  /// gap before it reads as zeros until it is written. A file written this way
  /// is written this way only (where Write then continues differs between
  /// platforms). Two threads may write to one handle at once, at offsets of
  /// their own.
  virtual bool WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
                       std::string* err) = 0;
  virtual bool Close(FileHandle handle, std::string* err) = 0;
  /// Makes what was written to `handle` durable before the file is renamed.
  virtual bool Sync(FileHandle handle, std::string* err) = 0;
  /// Starts writing bytes `offset` to `offset + length` of `handle` (a
  /// `length` of 0: up to the end of the file) to the disk and returns without
  /// waiting, so that a later Sync waits less: the disk works while the
  /// program does. A hint, which may do nothing; Sync still decides.
  virtual void BeginSync(FileHandle handle, uint64_t offset, uint64_t length) = 0;
  /// Makes the names of the directory `dir` durable (a rename done, a file
  /// created). True where the platform has no such step.
  virtual bool SyncDirectory(const std::string& dir, std::string* err) = 0;
  /// Keeps the file at `target` (a link as a link) under a temporary name of
  /// its directory, so that it can be put back with Replace: as a second name
  /// of the same file where the file system allows it, else by renaming it
  /// aside (`*moved` then tells that `target` is gone until put back).
  virtual bool KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                         std::string* err) = 0;
  /// Renames the closed temporary over `target` in one step: the name holds
  /// the whole old file or the whole new one at every moment. A link at
  /// `target` is replaced, not what it points to.
  virtual bool Replace(const TemporaryFile& temp, const std::string& target, std::string* err) = 0;
  /// Removes a closed temporary that is not wanted any more.
  virtual bool Discard(const TemporaryFile& temp, std::string* err) = 0;
  virtual bool Remove(const std::string& path, std::string* err) = 0;
  /// Creates the directory `path` (its parent must exist), with the
  /// permissions of a new directory under the umask.
  virtual bool MakeDirectory(const std::string& path, std::string* err) = 0;
  /// The names of the entries of a directory, without "." and "..", in no
  /// particular order.
  virtual bool ListDirectory(const std::string& dir, std::vector<std::string>* names,
                             std::string* err) = 0;
  /// Takes an advisory lock on the directory `dir`, shared for readers and
  /// exclusive for writers. Without `wait` a lock held by another process
  /// gives kBusy at once.
  /// While the lock is held, every operation on a file of `dir` goes through
  /// the directory opened for the lock, even if `dir` is renamed meanwhile.
  virtual LockResult LockDirectory(const std::string& dir, LockMode mode, bool wait,
                                   DirectoryLock* lock, std::string* err) = 0;
  /// Who holds the lock of `dir`, for messages ("process 1234"); empty when
  /// the platform cannot tell.
  virtual std::string LockHolder(const std::string& dir) = 0;
  /// Releases a lock that LockDirectory gave; called by DirectoryLock.
  virtual void ReleaseLock(FileHandle handle) = 0;
};

void DirectoryLock::Release() {
  if (held()) owner_->ReleaseLock(handle_);
  handle_ = kNoHandle;
}

/// The real file system of the machine.
class RealDisk : public Disk {
 public:
  FileInfo Stat(const std::string& path) override;
  bool ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                std::string* err) override;
  bool CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) override;
  bool Write(FileHandle handle, std::string_view data, std::string* err) override;
  bool WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
               std::string* err) override;
  bool Close(FileHandle handle, std::string* err) override;
  bool Sync(FileHandle handle, std::string* err) override;
  void BeginSync(FileHandle handle, uint64_t offset, uint64_t length) override;
  bool SyncDirectory(const std::string& dir, std::string* err) override;
  bool KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                 std::string* err) override;
  bool Replace(const TemporaryFile& temp, const std::string& target, std::string* err) override;
  bool Discard(const TemporaryFile& temp, std::string* err) override;
  bool Remove(const std::string& path, std::string* err) override;
  bool MakeDirectory(const std::string& path, std::string* err) override;
  bool ListDirectory(const std::string& dir, std::vector<std::string>* names,
                     std::string* err) override;
  LockResult LockDirectory(const std::string& dir, LockMode mode, bool wait, DirectoryLock* lock,
                           std::string* err) override;
  std::string LockHolder(const std::string& dir) override;
  void ReleaseLock(FileHandle handle) override;

 private:
  /// The directory opened for a lock that holds `path`, or kNoHandle.
  FileHandle DirectoryOf(const std::string& path) const;

  /// The directories locked now, by their names as given, with their handles.
  std::vector<std::pair<std::string, FileHandle>> locked_;
};

}  // namespace percorso

#endif  // PERCORSO_IO_DISK_H_
