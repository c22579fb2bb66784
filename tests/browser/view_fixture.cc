// Writes a hand-built compiled scenario into a directory, for the browser test
// of `percorso view` while the default run cannot compile the built-in one.
//   view_fixture DIR            the scenario shaped like the built-in one
//   view_fixture DIR --long KM  a long scenario of KM kilometres
#include <iostream>
#include <string>

#include "browser/sample_scenario.h"
#include "driver/compile_driver.h"
#include "driver/disk.h"
#include "driver/file_names.h"

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--long")) {
    std::cerr << "usage: view_fixture DIR [--long KM]\n";
    return 2;
  }
  percorso::Scenario s = argc == 4 ? percorso::testing::LongScenario(std::stoi(argv[3]))
                                   : percorso::testing::BuiltinLikeScenario();
  percorso::RealDisk disk;
  std::string err;
  if (!percorso::WriteCompiledFiles(disk, s, percorso::NameFiles(argv[1], s.line_key, s.train_key),
                                    &err)) {
    std::cerr << "view_fixture: " << err << "\n";
    return 1;
  }
  return 0;
}
