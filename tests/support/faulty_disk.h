// The real disk with a switch: the k-th operation of a chosen kind fails. Its
// counts may be taken by two threads at once, as the geometry file is
// written.
#ifndef PERCORSO_TESTS_SUPPORT_FAULTY_DISK_H_
#define PERCORSO_TESTS_SUPPORT_FAULTY_DISK_H_

#include <array>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "io/disk.h"

namespace percorso::testing {

enum class Op { kCreate, kWrite, kRename, kRemove, kRead, kSync };

class FaultyDisk : public Disk {
 public:
  /// No failure until Arm() is called.
  void Arm(Op op, int k) {
    op_ = op;
    fail_at_ = k;
  }
  /// How many operations of `op` ran so far (failed ones included).
  int Count(Op op) const {
    std::lock_guard lock(mutex_);
    return counts_[static_cast<int>(op)];
  }
  using Counts = std::array<int, 6>;
  Counts counts() const {
    std::lock_guard lock(mutex_);
    return counts_;
  }
  bool fired() const {
    std::lock_guard lock(mutex_);
    return fired_;
  }

  FileInfo Stat(const std::string& path) override { return real_.Stat(path); }
  bool ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                std::string* err) override;
  /// An injected failure happens after the temporary was made and removed
  /// again, so that the message names a real temporary.
  bool CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) override;
  bool Write(FileHandle handle, std::string_view data, std::string* err) override;
  /// Counts as a write.
  bool WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
               std::string* err) override;
  bool Close(FileHandle handle, std::string* err) override { return real_.Close(handle, err); }
  /// Syncs of files; a directory's sync is not counted.
  bool Sync(FileHandle handle, std::string* err) override;
  /// Recorded: see begun_syncs().
  void BeginSync(FileHandle handle, uint64_t offset, uint64_t length) override {
    {
      std::lock_guard lock(mutex_);
      begun_syncs_.push_back({offset, length});
    }
    real_.BeginSync(handle, offset, length);
  }
  /// The ranges handed to BeginSync, as offset and length, in the order of
  /// the calls.
  std::vector<std::pair<uint64_t, uint64_t>> begun_syncs() const {
    std::lock_guard lock(mutex_);
    return begun_syncs_;
  }
  bool SyncDirectory(const std::string& dir, std::string* err) override {
    return real_.SyncDirectory(dir, err);
  }
  /// Counted as kRename.
  bool KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                 std::string* err) override;
  /// Counted as kRename.
  bool Replace(const TemporaryFile& temp, const std::string& target, std::string* err) override;
  /// Never fails on purpose, and is not counted.
  bool Discard(const TemporaryFile& temp, std::string* err) override {
    return real_.Discard(temp, err);
  }
  bool Remove(const std::string& path, std::string* err) override;
  bool MakeDirectory(const std::string& path, std::string* err) override {
    return real_.MakeDirectory(path, err);
  }
  bool ListDirectory(const std::string& dir, std::vector<std::string>* names,
                     std::string* err) override {
    return real_.ListDirectory(dir, names, err);
  }
  LockResult LockDirectory(const std::string& dir, LockMode mode, bool wait, DirectoryLock* lock,
                           std::string* err) override {
    return real_.LockDirectory(dir, mode, wait, lock, err);
  }
  std::string LockHolder(const std::string& dir) override { return real_.LockHolder(dir); }
  void ReleaseLock(FileHandle handle) override { real_.ReleaseLock(handle); }

 private:
  /// Counts one operation of `op`; true when it must fail.
  bool Fails(Op op, std::string* err);

  RealDisk real_;
  mutable std::mutex mutex_;
  Op op_ = Op::kCreate;
  int fail_at_ = 0;
  bool fired_ = false;
  Counts counts_{};
  std::vector<std::pair<uint64_t, uint64_t>> begun_syncs_;
};

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_FAULTY_DISK_H_
