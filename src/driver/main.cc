// percorso: the scenario compiler. All the work is in the library.
#include <new>
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
  try {
    return percorso::RunCommandLine(args, percorso::ProgramDirectory(), disk, console.in(),
                                    console.out(), console.err());
  } catch (const std::bad_alloc&) {
    // The run's temporaries went with the unwinding; the old files stay.
    console.err() << "percorso: out of memory\n";
    return 1;
  }
}
