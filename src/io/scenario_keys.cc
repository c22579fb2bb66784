#include "io/scenario_keys.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace percorso {

std::vector<ScenarioKeys> FindScenarios(const std::vector<std::string>& names) {
  constexpr std::string_view kLinea = "_linea.dat";
  std::set<std::string> present(names.begin(), names.end());
  std::vector<ScenarioKeys> found;
  for (const std::string& name : names) {
    if (name.size() <= kLinea.size() || !name.ends_with(kLinea)) continue;
    std::string line = name.substr(0, name.size() - kLinea.size());
    std::string prefix = line + "_";
    for (const std::string& other : names) {
      if (!other.starts_with(prefix) || !other.ends_with(".sim")) continue;
      std::string train = other.substr(prefix.size(), other.size() - prefix.size() - 4);
      if (train.empty() || present.count(prefix + train + ".dat") == 0) continue;
      found.push_back({line, train});
    }
  }
  std::sort(found.begin(), found.end(), [](const ScenarioKeys& a, const ScenarioKeys& b) {
    return a.line != b.line ? a.line < b.line : a.train < b.train;
  });
  return found;
}

}  // namespace percorso
