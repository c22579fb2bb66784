// The shell completions of the command line, written from the table of
// commands and options (driver/help.cc) by percorso_man at build time.
#ifndef PERCORSO_DRIVER_COMPLETION_H_
#define PERCORSO_DRIVER_COMPLETION_H_

#include <string>

namespace percorso {

/// The completion of bash: commands, options, the values of the options that
/// take a word, -W names, keywords after `help keywords`, directories for
/// DIR, the files of the scenario naming for --line and --train.
std::string BashCompletion();
/// The same for fish.
std::string FishCompletion();

}  // namespace percorso

#endif  // PERCORSO_DRIVER_COMPLETION_H_
