#include "support/compiled_scenario.h"

#include <gtest/gtest.h>

#include "io/file_names.h"
#include "route_generator.h"
#include "sources/writers.h"
#include "support/source_fixture.h"

namespace percorso::testing {
namespace {

Scenario Compile(const std::string& line_key, const std::string& train_key,
                 const std::string& linea, const std::string& treno) {
  Compiled c = CompileTexts(linea, treno, /*with_geometry=*/true, line_key, train_key);
  EXPECT_TRUE(c.outcome.has_route);
  EXPECT_EQ(c.outcome.fatal, 0);
  EXPECT_EQ(c.s.diagnostic.stato, 0);
  return std::move(c.s);
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
  return Compile("Lunga", "9", route.linea, route.treno);
}

}  // namespace percorso::testing
