// Telling the keys of a compiled scenario from the names of its files.
#ifndef PERCORSO_IO_SCENARIO_KEYS_H_
#define PERCORSO_IO_SCENARIO_KEYS_H_

#include <string>
#include <vector>

namespace percorso {

struct ScenarioKeys {
  std::string line;
  std::string train;
  friend bool operator==(const ScenarioKeys&, const ScenarioKeys&) = default;
};

/// Every scenario whose three compiled files are among `names` (file names
/// without directory): a line key K of a "K_linea.dat" and a train key T for
/// which both "K_T.sim" and "K_T.dat" are there. Sorted by line key, then train
/// key.
std::vector<ScenarioKeys> FindScenarios(const std::vector<std::string>& names);

}  // namespace percorso

#endif  // PERCORSO_IO_SCENARIO_KEYS_H_
