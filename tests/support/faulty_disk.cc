#include "support/faulty_disk.h"

namespace percorso::testing {

bool FaultyDisk::Fails(Op op, std::string* err) {
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

bool FaultyDisk::Create(const std::string& path, int* handle, std::string* err) {
  if (Fails(Op::kCreate, err)) return false;
  return real_.Create(path, handle, err);
}

bool FaultyDisk::WriteAt(int handle, uint64_t offset, std::string_view data, std::string* err) {
  if (Fails(Op::kWrite, err)) return false;
  return real_.WriteAt(handle, offset, data, err);
}

bool FaultyDisk::Write(int handle, std::string_view data, std::string* err) {
  if (Fails(Op::kWrite, err)) return false;
  return real_.Write(handle, data, err);
}

bool FaultyDisk::Rename(const std::string& from, const std::string& to, std::string* err) {
  if (Fails(Op::kRename, err)) return false;
  return real_.Rename(from, to, err);
}

bool FaultyDisk::Remove(const std::string& path, std::string* err) {
  if (Fails(Op::kRemove, err)) return false;
  return real_.Remove(path, err);
}

}  // namespace percorso::testing
