#include "support/faulty_disk.h"

namespace percorso::testing {

bool FaultyDisk::Fails(Op op, std::string* err) {
  std::lock_guard lock(mutex_);
  int n = ++counts_[static_cast<int>(op)];
  if (fail_at_ > 0 && op == op_ && n == fail_at_) {
    fired_ = true;
    *err = "Input/output error (injected)";
    return true;
  }
  return false;
}

bool FaultyDisk::ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                          std::string* err) {
  if (Fails(Op::kRead, err)) return false;
  return real_.ReadFile(path, max_size, contents, err);
}

bool FaultyDisk::CreateTemporary(const std::string& target, TemporaryFile* temp, std::string* err) {
  if (!real_.CreateTemporary(target, temp, err)) return false;
  if (!Fails(Op::kCreate, err)) return true;
  std::string ignored;
  real_.Close(temp->handle, &ignored);
  real_.Discard(*temp, &ignored);
  return false;
}

bool FaultyDisk::WriteAt(FileHandle handle, uint64_t offset, std::string_view data,
                         std::string* err) {
  if (Fails(Op::kWrite, err)) return false;
  return real_.WriteAt(handle, offset, data, err);
}

bool FaultyDisk::Write(FileHandle handle, std::string_view data, std::string* err) {
  if (Fails(Op::kWrite, err)) return false;
  return real_.Write(handle, data, err);
}

bool FaultyDisk::Sync(FileHandle handle, std::string* err) {
  if (Fails(Op::kSync, err)) return false;
  return real_.Sync(handle, err);
}

bool FaultyDisk::KeepAside(const std::string& target, TemporaryFile* aside, bool* moved,
                           std::string* err) {
  if (Fails(Op::kRename, err)) return false;
  return real_.KeepAside(target, aside, moved, err);
}

bool FaultyDisk::Replace(const TemporaryFile& temp, const std::string& target, std::string* err) {
  if (Fails(Op::kRename, err)) return false;
  return real_.Replace(temp, target, err);
}

bool FaultyDisk::Remove(const std::string& path, std::string* err) {
  if (Fails(Op::kRemove, err)) return false;
  return real_.Remove(path, err);
}

}  // namespace percorso::testing
