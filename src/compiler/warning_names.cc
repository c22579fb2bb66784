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
    {"encoding", "a file written in UTF-8 or UTF-16, or with a byte-order mark"},
    {"quoted-text", "a quoted text that runs across line ends"},
    {"missing-fine", "a file that ends without '[fine]'"},
    {"unsorted-positions", "a list of positions out of order (gradients, speeds, curves)"},
    {"overlap", "curves or slowdowns that overlap"},
    {"reversed-stretch", "a stretch whose end lies before its start"},
    {"speed", "a line or slowdown speed that no train runs, or a list not starting at 0"},
    {"short-slowdown", "a slowdown shorter than a cell, which has no end cell"},
    {"replaced-feature", "a station's stopping mark written over a feature"},
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
