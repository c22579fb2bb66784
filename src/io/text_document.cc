#include "io/text_document.h"

#include "io/fresh_file.h"

namespace percorso {

std::vector<std::string> MakeLineList(std::span<const std::string_view> lines) {
  std::vector<std::string> list(kLineListSize);
  size_t i = 0;
  for (; i < lines.size() && i + 1 < kLineListSize; ++i) list[i] = std::string(lines[i]);
  list[i] = std::string(kSentinel);
  return list;
}

std::string RenderLineList(std::span<const std::string> list) {
  std::string out;
  for (const std::string& entry : list) {
    if (entry == kSentinel) break;
    out += entry;
    out += "\r\n";
  }
  return out;
}

bool AddLineList(FileSet& set, const std::string& path, std::span<const std::string_view> lines,
                 std::string* err) {
  std::vector<std::string> list = MakeLineList(lines);
  return set.Add(path, RenderLineList(list), err);
}

bool WriteLineList(Disk& disk, const std::string& path, std::span<const std::string_view> lines,
                   std::string* err) {
  std::vector<std::string> list = MakeLineList(lines);
  return WriteFresh(disk, path, RenderLineList(list), err);
}

}  // namespace percorso
