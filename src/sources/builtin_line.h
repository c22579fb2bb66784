// The line description file of the built-in scenario: a line of 97000 m from
// Pianura to Crinale with an 18.5 km tunnel, as the lines of its text file.
#ifndef PERCORSO_SOURCES_BUILTIN_LINE_H_
#define PERCORSO_SOURCES_BUILTIN_LINE_H_

#include <span>
#include <string_view>

namespace percorso {

/// The 188 lines of the built-in line file, from "[generale]" to "[fine]",
/// without line ends. Sections in file order: general values, curves,
/// gradients, terrain stretches, speed-indicator boards, text boards; within a
/// section the positions increase.
std::span<const std::string_view> BuiltinLineLines();

}  // namespace percorso

#endif  // PERCORSO_SOURCES_BUILTIN_LINE_H_
