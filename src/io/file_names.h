// The names of every file of a scenario, formed from the two keys.
#ifndef PERCORSO_IO_FILE_NAMES_H_
#define PERCORSO_IO_FILE_NAMES_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace percorso {

/// Full paths: directory, separator, then the key parts and a suffix by plain
/// concatenation.
struct FileNames {
  std::string linea_txt;      // line key + "_linea.txt"
  std::string treno_txt;      // line key + "_" + train key + "-.txt"
  std::string scheda_treno;   // line key + "_" + train key + "_scheda_treno.txt"
  std::string rallentamenti;  // line key + "_" + train key + "_rallentamenti.txt"
  std::string note;           // line key + "_" + train key + "_note.txt"
  std::string linea_dat;      // line key + "_linea.dat"
  std::string sim;            // line key + "_" + train key + ".sim"
  std::string dat;            // line key + "_" + train key + ".dat"
};

FileNames NameFiles(std::string_view dir, std::string_view line_key, std::string_view train_key);

/// The eight paths, in the order of the members.
std::vector<std::string> EveryName(const FileNames& names);

/// The three kinds of compiled file.
enum class CompiledFile { kCells, kTable, kGeometry };

/// The kind of a compiled file, told by its name: "_linea.dat" geometry,
/// ".sim" table, any other ".dat" cells; nothing for any other name.
std::optional<CompiledFile> CompiledFileOfName(std::string_view path);

/// The keys from the names of the two source files, "LINE_linea.txt" and
/// "LINE_TRAIN-.txt" (directories ignored). A key already set is kept; the
/// train key is only taken when the line key is known.
void KeysFromSourceNames(std::string_view line_file, std::string_view train_file,
                         std::optional<std::string>* line_key,
                         std::optional<std::string>* train_key);

struct ScenarioKeys {
  std::string line;
  std::string train;
  friend bool operator==(const ScenarioKeys&, const ScenarioKeys&) = default;
};

/// Every scenario whose three compiled files are among `names` (file names
/// without directory): a line key K of a "K_linea.dat" and a train key T for
/// which both "K_T.sim" and "K_T.dat" are there, both keys passing CheckKey. Sorted by line key,
/// then train key.
std::vector<ScenarioKeys> FindScenarios(const std::vector<std::string>& names);

/// False, with the reason ("is empty", "holds a control character", "holds a
/// path separator"), for a key that cannot be part of file names: empty, or
/// holding a byte below 32, 127, "/" or "\".
bool CheckKey(std::string_view key, std::string* reason);

/// False, with one line naming the file, when the file system would refuse
/// the name of one of `paths` in its directory (empty or too long, for
/// instance).
bool CheckFileNames(std::span<const std::string> paths, std::string* err);

/// The keys of the built-in scenario.
inline constexpr std::string_view kBuiltinLineKey = "Pianura_Crinale";
inline constexpr std::string_view kBuiltinTrainKey = "2731";

}  // namespace percorso

#endif  // PERCORSO_IO_FILE_NAMES_H_
