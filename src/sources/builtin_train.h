// The train description file of the built-in scenario: train 2731 from the
// first station of the line to the last, as the lines of its text file.
#ifndef PERCORSO_SOURCES_BUILTIN_TRAIN_H_
#define PERCORSO_SOURCES_BUILTIN_TRAIN_H_

#include <span>
#include <string_view>

namespace percorso {

/// The 90 lines of the built-in train file, from "[generale]" to "[fine]",
/// without line ends. Sections in file order: general values, adhesion, line
/// speeds, stations, slowdowns, signals, cut-off points; within a section the
/// positions increase.
std::span<const std::string_view> BuiltinTrainLines();

}  // namespace percorso

#endif  // PERCORSO_SOURCES_BUILTIN_TRAIN_H_
