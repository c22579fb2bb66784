// The three crew documents of the built-in scenario: the train card, the
// slowdown order and the notes. Nobody in the program reads them again; the
// simulator shows them to the crew as they are.
#ifndef PERCORSO_SOURCES_DOCUMENTS_H_
#define PERCORSO_SOURCES_DOCUMENTS_H_

#include <span>
#include <string_view>

namespace percorso {

/// The 53 lines of the train card, without line ends. The timetable rows and
/// headings (lines 13 to 52) are 83 characters, the rule above them 82.
std::span<const std::string_view> SchedaTrenoLines();

/// The 46 lines of the slowdown order (form "Modulo M. 3"), without line ends.
/// Table lines 8 to 38 are 82 characters, the rules at lines 3 and 7 are 81.
std::span<const std::string_view> RallentamentiLines();

/// The 9 lines of the notes, without line ends, in Windows-1252.
std::span<const std::string_view> NoteLines();

}  // namespace percorso

#endif  // PERCORSO_SOURCES_DOCUMENTS_H_
