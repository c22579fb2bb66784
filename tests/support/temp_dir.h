// A fresh directory for one test, removed with everything in it afterwards.
#ifndef PERCORSO_TESTS_SUPPORT_TEMP_DIR_H_
#define PERCORSO_TESTS_SUPPORT_TEMP_DIR_H_

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace percorso::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  /// The full name of `name` in the directory, with the platform's separator.
  std::string file(const std::string& name) const;
  /// The names of the entries of the directory, sorted.
  std::vector<std::string> List() const;

 private:
  std::string path_;
};

/// A UTF-8 path as the standard library's path, whatever the platform's code
/// page.
std::filesystem::path PathOf(const std::string& utf8);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
/// Each file of the directory by name, with its bytes.
std::map<std::string, std::string> Contents(const TempDir& dir);
/// Bytes as lower-case hex pairs separated by blanks, for readable failures.
std::string Hex(const std::string& bytes);

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_TEMP_DIR_H_
