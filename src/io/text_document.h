// Text documents are written from a list of up to 1001 lines that ends with a
// sentinel entry; the sentinel itself is never written.
#ifndef PERCORSO_IO_TEXT_DOCUMENT_H_
#define PERCORSO_IO_TEXT_DOCUMENT_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "io/disk.h"
#include "io/fresh_file.h"

namespace percorso {

inline constexpr std::string_view kSentinel = "riferimento fine del file";
inline constexpr size_t kLineListSize = 1001;

/// A list of kLineListSize entries, all empty at first, with `lines` from index
/// 0 on and the sentinel right after them. At most kLineListSize - 1 lines fit;
/// extra lines are dropped.
std::vector<std::string> MakeLineList(std::span<const std::string_view> lines);

/// The bytes of the file: every entry before the first sentinel, each followed
/// by CR LF. A list without a sentinel is written whole.
std::string RenderLineList(std::span<const std::string> list);

/// Writes `lines` to `path` fresh, through the line list.
bool WriteLineList(Disk& disk, const std::string& path, std::span<const std::string_view> lines,
                   std::string* err);

/// Adds `lines`, through the line list, to `set` as the new content of `path`.
bool AddLineList(FileSet& set, const std::string& path, std::span<const std::string_view> lines,
                 std::string* err);

}  // namespace percorso

#endif  // PERCORSO_IO_TEXT_DOCUMENT_H_
