#include "support/compiled_scenario.h"

#include <gtest/gtest.h>

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "io/file_names.h"
#include "route_generator.h"
#include "sources/writers.h"

namespace percorso::testing {
namespace {

Scenario Compile(std::string line_key, std::string train_key, std::string linea,
                 std::string treno) {
  Scenario s;
  s.line_key = std::move(line_key);
  s.train_key = std::move(train_key);
  MemorySourceFiles files(std::move(linea), std::move(treno));
  CompileOutcome outcome = memorizza_percorso(s, /*with_geometry=*/true, files);
  EXPECT_TRUE(outcome.has_route);
  EXPECT_EQ(outcome.fatal, 0);
  EXPECT_EQ(s.diagnostic.stato, 0);
  return s;
}

}  // namespace

const Scenario& BuiltinScenario() {
  static const Scenario* s =
      new Scenario(Compile(std::string(kBuiltinLineKey), std::string(kBuiltinTrainKey),
                           BuiltinLineBytes(), BuiltinTrainBytes()));
  return *s;
}

std::vector<std::string> BuiltinStationNames() {
  std::vector<std::string> names;
  for (int slot = 1; slot < kPrimaVoceCartello && !BuiltinScenario().voci[slot].nome.empty();
       ++slot) {
    names.push_back(BuiltinScenario().voci[slot].nome);
  }
  return names;
}

Scenario GeneratedScenario(int km) {
  GeneratedRoute route = GenerateRoute(km);
  return Compile("Lunga", "9", std::move(route.linea), std::move(route.treno));
}

}  // namespace percorso::testing
