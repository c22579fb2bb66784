// The one table of what a compile can tell its author: every warning (its
// name, a line about it, whether it is given without being asked for, and the
// section of docs/format.md that explains it) and every error status (the
// table of model/status.h, with its section). The -W options, the help, the
// man page, the SARIF rules and the language server's codes all read it.
//
// A warning is raised by its identifier, so a name that the table does not
// hold fails to compile; a name written as text is looked up by
// `WarningNamed`, which is evaluated while compiling and fails to compile for
// a name the table does not hold.
#ifndef PERCORSO_MODEL_CATALOGUE_H_
#define PERCORSO_MODEL_CATALOGUE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace percorso {

enum class WarningId : uint8_t {
  kMisspeltKeyword,
  kExtraField,
  kRunOnEntry,
  kCommentMark,
  kNumberText,
  kLookAlike,
  kValueWidth,
  kPastRouteEnd,
  kUnknownSection,
  kRepeatedSection,
  kBeforeGenerale,
  kNoGenerale,
  kEmptyFile,
  kEncoding,
  kUtf8Bom,
  kQuoteAcrossLines,
  kUnclosedQuote,
  kMissingFine,
  kAfterFine,
  kUnsortedPositions,
  kUnsortedCurves,
  kOverlappingCurves,
  kOverlappingSlowdowns,
  kReversedStretch,
  kReversedRepetition,
  kSpeedsNotFromZero,
  kZeroSpeed,
  kSpeedTooHigh,
  kSlowdownAboveLineSpeed,
  kSlowdownSpeedTooHigh,
  kSlowdownWithoutEnd,
  kStoppingMarkOverFeature,
};

/// One warning of the catalogue.
struct WarningEntry {
  WarningId id;
  /// The name printed as [-WNAME] and given to -W and -Wno-.
  std::string_view name;
  /// What the warning is about, in one line.
  std::string_view summary;
  /// Given without -WNAME.
  bool on_by_default;
  /// The section of docs/format.md that explains it.
  std::string_view docs;
};

/// The section of docs/format.md that lists the warnings, and the one that
/// lists the status codes.
inline constexpr std::string_view kWarningsSection = "10.2 Warnings";
inline constexpr std::string_view kStatusSection = "9.4 The status codes";
inline constexpr std::string_view kReportSection = "9.2 How a problem is reported";

/// Every warning, in the order of their identifiers (the order the help
/// lists them in).
inline constexpr std::array kWarningCatalogue = {
    WarningEntry{WarningId::kMisspeltKeyword, "misspelt-keyword",
                 "a line that matches no keyword (with the one probably meant)", true,
                 kWarningsSection},
    WarningEntry{WarningId::kExtraField, "extra-field",
                 "a field after the values that an entry reads", true, kWarningsSection},
    WarningEntry{WarningId::kRunOnEntry, "run-on-entry",
                 "an entry that takes values from the next line", true, kWarningsSection},
    WarningEntry{WarningId::kCommentMark, "comment-mark",
                 "a line behind a mark that looks like a comment", true, kWarningsSection},
    WarningEntry{WarningId::kNumberText, "number-text",
                 "a number written as a word, a fraction or kilometres and metres", true,
                 kWarningsSection},
    WarningEntry{WarningId::kLookAlike, "look-alike",
                 "an invisible character in a number, or a look-alike of a quote mark", true,
                 kWarningsSection},
    WarningEntry{WarningId::kValueWidth, "value-width", "a value wider than its cell member", true,
                 kWarningsSection},
    WarningEntry{WarningId::kPastRouteEnd, "past-route-end", "a position past the end of the route",
                 true, kWarningsSection},
    WarningEntry{WarningId::kUnknownSection, "unknown-section",
                 "a section name that the file does not know", true, kWarningsSection},
    WarningEntry{WarningId::kRepeatedSection, "repeated-section",
                 "a section name given a second time in a file", true, kWarningsSection},
    WarningEntry{WarningId::kBeforeGenerale, "before-generale",
                 "a line before '[generale]', where nothing is read", true, kWarningsSection},
    WarningEntry{WarningId::kNoGenerale, "no-generale", "a train file without '[generale]'", true,
                 kWarningsSection},
    WarningEntry{WarningId::kEmptyFile, "empty-file",
                 "an empty source file, or one that gives no entry", true, kWarningsSection},
    WarningEntry{WarningId::kEncoding, "encoding", "a file written in UTF-8 or UTF-16", true,
                 kWarningsSection},
    WarningEntry{WarningId::kUtf8Bom, "utf8-bom", "a file that starts with a UTF-8 byte-order mark",
                 true, kWarningsSection},
    WarningEntry{WarningId::kQuoteAcrossLines, "quote-across-lines",
                 "a quoted text that runs across line ends", true, kWarningsSection},
    WarningEntry{WarningId::kUnclosedQuote, "unclosed-quote",
                 "a quote never closed, whose text runs to the end of the file", true,
                 kWarningsSection},
    WarningEntry{WarningId::kMissingFine, "missing-fine", "a file that ends without '[fine]'", true,
                 kWarningsSection},
    WarningEntry{WarningId::kAfterFine, "after-fine",
                 "an entry after '[fine]', which is still read", true, kWarningsSection},
    WarningEntry{WarningId::kUnsortedPositions, "unsorted-positions",
                 "gradients, line speeds or adhesion changes out of order", true, kWarningsSection},
    WarningEntry{WarningId::kUnsortedCurves, "unsorted-curves",
                 "a curve that comes after a curve further on", true, kWarningsSection},
    WarningEntry{WarningId::kOverlappingCurves, "overlapping-curves",
                 "a curve that starts before the previous one ends", true, kWarningsSection},
    WarningEntry{WarningId::kOverlappingSlowdowns, "overlapping-slowdowns",
                 "slowdowns that overlap", true, kWarningsSection},
    WarningEntry{WarningId::kReversedStretch, "reversed-stretch",
                 "a terrain or tunnel stretch whose end lies before its start", true,
                 kWarningsSection},
    WarningEntry{WarningId::kReversedRepetition, "reversed-repetition",
                 "a signal repetition whose end lies before its start", true, kWarningsSection},
    WarningEntry{WarningId::kSpeedsNotFromZero, "speeds-not-from-zero",
                 "a list of line speeds that does not start at position 0", true, kWarningsSection},
    WarningEntry{WarningId::kZeroSpeed, "zero-speed", "a line speed stored as 0", true,
                 kWarningsSection},
    WarningEntry{WarningId::kSpeedTooHigh, "speed-too-high",
                 "a line speed above any train's (350 km/h)", true, kWarningsSection},
    WarningEntry{WarningId::kSlowdownAboveLineSpeed, "slowdown-above-line-speed",
                 "a slowdown faster than the line speed where it starts", true, kWarningsSection},
    WarningEntry{WarningId::kSlowdownSpeedTooHigh, "slowdown-speed-too-high",
                 "a slowdown speed above any train's (350 km/h)", true, kWarningsSection},
    WarningEntry{WarningId::kSlowdownWithoutEnd, "slowdown-without-end",
                 "a slowdown shorter than a cell, which has no end cell", true, kWarningsSection},
    WarningEntry{WarningId::kStoppingMarkOverFeature, "stopping-mark-over-feature",
                 "a station's stopping mark written over a feature", true, kWarningsSection},
};

namespace catalogue_detail {
constexpr bool InIdentifierOrder() {
  for (size_t i = 0; i < kWarningCatalogue.size(); ++i) {
    if (static_cast<size_t>(kWarningCatalogue[i].id) != i) return false;
  }
  return true;
}
constexpr bool NamesUnique() {
  for (size_t i = 0; i < kWarningCatalogue.size(); ++i) {
    for (size_t j = i + 1; j < kWarningCatalogue.size(); ++j) {
      if (kWarningCatalogue[i].name == kWarningCatalogue[j].name) return false;
    }
  }
  return true;
}
}  // namespace catalogue_detail
static_assert(catalogue_detail::InIdentifierOrder(),
              "the warning catalogue lists the warnings in the order of WarningId");
static_assert(catalogue_detail::NamesUnique(), "two warnings share a name");

/// The catalogue's entry of `id`.
constexpr const WarningEntry& Warning(WarningId id) {
  return kWarningCatalogue[static_cast<size_t>(id)];
}

/// The warning named `name`, or nothing for a name the catalogue does not
/// hold.
constexpr std::optional<WarningId> FindWarning(std::string_view name) {
  for (const WarningEntry& w : kWarningCatalogue) {
    if (w.name == name) return w.id;
  }
  return std::nullopt;
}

/// The warning named `name`, looked up while compiling: a name the catalogue
/// does not hold is a compile error.
consteval WarningId WarningNamed(std::string_view name) {
  std::optional<WarningId> id = FindWarning(name);
  if (!id) throw "no warning of that name in the catalogue";
  return *id;
}

/// One rule of the catalogue as tools list it (SARIF's rules, the language
/// server's codes): a warning by its name, an error status as "status-N".
struct RuleEntry {
  std::string id;
  std::string_view summary;
  std::string_view docs;
};

/// The rules of the diagnostics that neither store a status nor have a
/// warning's name: an error that ends the compile before or after its
/// statuses (no route length, a fatal header error, a file that cannot be
/// read), and the count of the warnings left out.
inline constexpr std::string_view kOtherError = "error";
inline constexpr std::string_view kOtherWarning = "warning";

/// The rule id of an error that stored status `stato`.
std::string StatusRuleId(int32_t stato);

/// Every rule: the warnings, then the statuses but 0, then kOtherError and
/// kOtherWarning.
std::vector<RuleEntry> Rules();

}  // namespace percorso

#endif  // PERCORSO_MODEL_CATALOGUE_H_
