// The file operations of the program, behind one narrow interface so that
// tests can replace the disk and make any single operation fail.
#ifndef PERCORSO_IO_DISK_H_
#define PERCORSO_IO_DISK_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace percorso {

enum class FileKind { kMissing, kRegular, kDirectory, kOther };

struct FileInfo {
  FileKind kind = FileKind::kMissing;
  /// No write permission bit is set: the file is read-only for everybody,
  /// whatever privileges the process has.
  bool read_only = false;
  uint64_t size = 0;
};

/// Every operation returns false and sets `*err` to the system's reason on
/// failure.
class Disk {
 public:
  virtual ~Disk() = default;

  virtual FileInfo Stat(const std::string& path) = 0;
  /// Reads a regular file whole. Fails for a file larger than `max_size`.
  virtual bool ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                        std::string* err) = 0;
  /// Creates a new file for writing; fails when it exists already.
  virtual bool Create(const std::string& path, int* handle, std::string* err) = 0;
  virtual bool Write(int handle, std::string_view data, std::string* err) = 0;
  /// Writes at `offset` of the file, leaving the position of Write alone. A
  /// write past the end extends the file; a gap before it reads as zeros until
  /// it is written.
  virtual bool WriteAt(int handle, uint64_t offset, std::string_view data, std::string* err) = 0;
  virtual bool Close(int handle, std::string* err) = 0;
  /// Renames `from` over `to`, replacing it.
  virtual bool Rename(const std::string& from, const std::string& to, std::string* err) = 0;
  virtual bool Remove(const std::string& path, std::string* err) = 0;
  /// The names of the entries of a directory, without "." and "..", in no
  /// particular order.
  virtual bool ListDirectory(const std::string& dir, std::vector<std::string>* names,
                             std::string* err) = 0;
};

/// The real file system of the machine.
class RealDisk : public Disk {
 public:
  FileInfo Stat(const std::string& path) override;
  bool ReadFile(const std::string& path, uint64_t max_size, std::string* contents,
                std::string* err) override;
  bool Create(const std::string& path, int* handle, std::string* err) override;
  bool Write(int handle, std::string_view data, std::string* err) override;
  bool WriteAt(int handle, uint64_t offset, std::string_view data, std::string* err) override;
  bool Close(int handle, std::string* err) override;
  bool Rename(const std::string& from, const std::string& to, std::string* err) override;
  bool Remove(const std::string& path, std::string* err) override;
  bool ListDirectory(const std::string& dir, std::vector<std::string>* names,
                     std::string* err) override;
};

}  // namespace percorso

#endif  // PERCORSO_IO_DISK_H_
