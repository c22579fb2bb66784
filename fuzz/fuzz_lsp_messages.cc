// Fuzzes the language server's reading of messages: the input is what a
// client sends on standard input, framed or not; every message gets its
// answer and nothing stops the server. The file system is one that holds
// nothing and refuses every write.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "io/disk.h"
#include "lsp/server.h"

namespace {

class NoDisk : public percorso::Disk {
 public:
  percorso::FileInfo Stat(const std::string&) override { return {}; }
  bool ReadFile(const std::string&, uint64_t, std::string*, std::string* err) override {
    return Refuse(err);
  }
  bool CreateTemporary(const std::string&, percorso::TemporaryFile*, std::string* err) override {
    return Refuse(err);
  }
  bool Write(percorso::FileHandle, std::string_view, std::string* err) override {
    return Refuse(err);
  }
  bool WriteAt(percorso::FileHandle, uint64_t, std::string_view, std::string* err) override {
    return Refuse(err);
  }
  bool Close(percorso::FileHandle, std::string* err) override { return Refuse(err); }
  bool Sync(percorso::FileHandle, std::string* err) override { return Refuse(err); }
  void BeginSync(percorso::FileHandle, uint64_t, uint64_t) override {}
  bool SyncDirectory(const std::string&, std::string* err) override { return Refuse(err); }
  bool KeepAside(const std::string&, percorso::TemporaryFile*, bool*, std::string* err) override {
    return Refuse(err);
  }
  bool Replace(const percorso::TemporaryFile&, const std::string&, std::string* err) override {
    return Refuse(err);
  }
  bool Discard(const percorso::TemporaryFile&, std::string* err) override { return Refuse(err); }
  bool Remove(const std::string&, std::string* err) override { return Refuse(err); }
  bool MakeDirectory(const std::string&, std::string* err) override { return Refuse(err); }
  bool ListDirectory(const std::string&, std::vector<std::string>*, std::string* err) override {
    return Refuse(err);
  }
  percorso::LockResult LockDirectory(const std::string&, percorso::LockMode, bool,
                                     percorso::DirectoryLock*, std::string* err) override {
    Refuse(err);
    return percorso::LockResult::kUnsupported;
  }
  std::string LockHolder(const std::string&) override { return ""; }
  void ReleaseLock(percorso::FileHandle) override {}

 private:
  static bool Refuse(std::string* err) {
    *err = "nothing here";
    return false;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  NoDisk disk;
  percorso::ServeLanguageClient(in, out, disk);
  return 0;
}
