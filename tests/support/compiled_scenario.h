// Scenarios compiled in memory from real sources, for the page, listing and
// decoder tests: the built-in scenario and generated routes of any length.
#ifndef PERCORSO_TESTS_SUPPORT_COMPILED_SCENARIO_H_
#define PERCORSO_TESTS_SUPPORT_COMPILED_SCENARIO_H_

#include <string>
#include <vector>

#include "model/model.h"

namespace percorso::testing {

/// The built-in scenario compiled from its own sources, with its geometry.
const Scenario& BuiltinScenario();

/// The names of the built-in scenario's stations, first to last.
std::vector<std::string> BuiltinStationNames();

/// A generated route of `km` kilometres (keys "Lunga" and "9") compiled with its
/// geometry.
Scenario GeneratedScenario(int km);

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_COMPILED_SCENARIO_H_
