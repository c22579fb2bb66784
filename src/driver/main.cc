// percorso: the scenario compiler. All the work is in the library.
#include <string>
#include <vector>

#include "driver/cli.h"
#include "io/console.h"
#include "io/disk.h"
#include "io/interrupts.h"
#include "io/platform.h"

int main(int argc, char** argv) {
  // An interrupted run removes its temporaries: the old files stay whole.
  percorso::InstallInterruptCleanup();
  std::vector<std::string> args = percorso::CommandLineArguments(argc, argv);
  percorso::ConsoleStreams console;
  percorso::RealDisk disk;
  return percorso::RunCommandLine(args, percorso::ProgramDirectory(), disk, console.in(),
                                  console.out(), console.err());
}
