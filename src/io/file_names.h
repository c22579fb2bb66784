// The names of every file of a scenario, formed from the two keys.
#ifndef PERCORSO_IO_FILE_NAMES_H_
#define PERCORSO_IO_FILE_NAMES_H_

#include <string>
#include <string_view>

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

/// The keys of the built-in scenario.
inline constexpr std::string_view kBuiltinLineKey = "Pianura_Crinale";
inline constexpr std::string_view kBuiltinTrainKey = "2731";

}  // namespace percorso

#endif  // PERCORSO_IO_FILE_NAMES_H_
