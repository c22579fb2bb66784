#include "compiler/warning_names.h"

#include <algorithm>

namespace percorso {
namespace {

constexpr WarningName kWarningNames[] = {
    {"misspelt-keyword", "a line that matches no keyword (with the one probably meant)"},
    {"extra-field", "a field after the values that an entry reads"},
    {"run-on-entry", "an entry that takes values from the next line"},
    {"comment-mark", "a line behind a mark that looks like a comment"},
    {"number-text", "a number written as a word or a fraction"},
    {"value-width", "a value wider than its cell member"},
    {"past-route-end", "a position past the end of the route"},
    {"unknown-section", "a section name that the file does not know"},
    {"before-generale", "a line before '[generale]', where nothing is read"},
    {"no-generale", "a train file without '[generale]'"},
    {"empty-file", "an empty source file, or one that gives no entry"},
    {"encoding", "a file written in UTF-8 or UTF-16"},
    {"utf8-bom", "a file that starts with a UTF-8 byte-order mark"},
    {"quote-across-lines", "a quoted text that runs across line ends"},
    {"unclosed-quote", "a quote never closed, whose text runs to the end of the file"},
    {"missing-fine", "a file that ends without '[fine]'"},
    {"unsorted-positions", "gradients, line speeds or adhesion changes out of order"},
    {"unsorted-curves", "a curve that comes after a curve further on"},
    {"overlapping-curves", "a curve that starts before the previous one ends"},
    {"overlapping-slowdowns", "slowdowns that overlap"},
    {"reversed-stretch", "a terrain or tunnel stretch whose end lies before its start"},
    {"reversed-repetition", "a signal repetition whose end lies before its start"},
    {"speeds-not-from-zero", "a list of line speeds that does not start at position 0"},
    {"zero-speed", "a line speed stored as 0"},
    {"speed-too-high", "a line speed above any train's (350 km/h)"},
    {"slowdown-above-line-speed", "a slowdown faster than the line speed where it starts"},
    {"slowdown-speed-too-high", "a slowdown speed above any train's (350 km/h)"},
    {"slowdown-without-end", "a slowdown shorter than a cell, which has no end cell"},
    {"stopping-mark-over-feature", "a station's stopping mark written over a feature"},
};

}  // namespace

std::span<const WarningName> WarningNames() {
  return kWarningNames;
}

bool IsWarningName(std::string_view name) {
  return std::any_of(std::begin(kWarningNames), std::end(kWarningNames),
                     [&](const WarningName& w) { return w.name == name; });
}

}  // namespace percorso
