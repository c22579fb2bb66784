#include "support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "io/platform.h"

namespace percorso::testing {

TempDir::TempDir() {
  std::filesystem::path base = std::filesystem::temp_directory_path();
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "percorso-test-" + std::to_string(random() % 1000000000);
    // create_directory is false when the name is taken.
    if (std::filesystem::create_directory(base / name)) {
      std::u8string utf8 = (base / name).u8string();
      path_.assign(utf8.begin(), utf8.end());
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(PathOf(path_), ec);
}

std::string TempDir::file(const std::string& name) const {
  return JoinPath(path_, name);
}

std::vector<std::string> TempDir::List() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(PathOf(path_))) {
    std::u8string name = entry.path().filename().u8string();
    names.emplace_back(name.begin(), name.end());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::filesystem::path PathOf(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathOf(path), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::map<std::string, std::string> Contents(const TempDir& dir) {
  std::map<std::string, std::string> files;
  for (const std::string& name : dir.List()) files[name] = ReadBytes(dir.file(name));
  return files;
}

std::string Hex(const std::string& bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ' ';
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

}  // namespace percorso::testing
