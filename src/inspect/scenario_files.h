// Compiled files read back from disk, for the listing and the page.
#ifndef PERCORSO_INSPECT_SCENARIO_FILES_H_
#define PERCORSO_INSPECT_SCENARIO_FILES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "inspect/view_features.h"
#include "io/disk.h"
#include "io/file_names.h"

namespace percorso {

/// The largest compiled file read: the geometry file of the longest route is
/// about 20 MB, a table file at most 6 MB.
inline constexpr uint64_t kMaxCompiledFileSize = uint64_t{64} << 20;

struct DumpOptions {
  bool json = false;
  /// Every how many metres the geometry is listed.
  int64_t every = 1;
};

/// Reads, decodes and lists one compiled file of the given kind into `*text`;
/// false with one line in `*err` when it cannot be read or does not fit its
/// layout.
bool DumpCompiledFile(Disk& disk, const std::string& path, CompiledFile kind,
                      const DumpOptions& options, std::string* text, std::string* err);

/// Lists `bytes`, the contents of the file called `name` (standard input), as
/// a file of `kind`, or without one as the first kind whose layout they fit:
/// a table, a geometry file, cells (a geometry file's size is never a cell
/// file's). False with one line in `*err` when no kind fits.
bool DumpCompiledBytes(const std::string& name, const std::string& bytes,
                       std::optional<CompiledFile> kind, const DumpOptions& options,
                       std::string* text, std::string* err);

/// Every scenario whose three compiled files are in `dir`, sorted by keys.
bool FindScenariosIn(Disk& disk, const std::string& dir, std::vector<ScenarioKeys>* found,
                     std::string* err);

/// False, with one line in `*err`, when the files read into `v` cannot come
/// from one compile: the check codes in the cell file (cell 1) and the table
/// file (slot 85) are not those of the keys the table names, the cells are not
/// as many as the route length of the table (slot 84) makes, or the geometry
/// file does not cover the route of the cells. `names` name the files.
bool CheckCompiledSet(const ViewScenario& v, const FileNames& names, std::string* err);

/// Reads the table, cell and (when present) geometry files named by `names`
/// into `*s`; false with one line in `*err` naming the file at fault, or
/// saying that the files do not belong together (CheckCompiledSet).
bool ReadCompiledScenario(Disk& disk, const FileNames& names, ViewScenario* s, std::string* err);

}  // namespace percorso

#endif  // PERCORSO_INSPECT_SCENARIO_FILES_H_
