// Compiled scenarios built by hand, without the parser: one shaped like the
// built-in scenario (a 97 km line with its sixteen stations, tunnels, signals,
// slowdowns and boards) and a long one of any length, for the page and listing
// tests.
#ifndef PERCORSO_TESTS_BROWSER_SAMPLE_SCENARIO_H_
#define PERCORSO_TESTS_BROWSER_SAMPLE_SCENARIO_H_

#include <string>
#include <vector>

#include "compiler/model.h"

namespace percorso::testing {

/// The names of the built-in scenario's stations, first to last.
const std::vector<std::string>& BuiltinStationNames();

/// A compiled model with the built-in scenario's keys, length, stations and
/// boards, and a plan geometry of straight runs and curves.
Scenario BuiltinLikeScenario();

/// A compiled model of `km` kilometres with a station every 5 km, a signal every
/// 1.3 km, markers, boards and a winding plan; no check codes.
Scenario LongScenario(int km);

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_BROWSER_SAMPLE_SCENARIO_H_
