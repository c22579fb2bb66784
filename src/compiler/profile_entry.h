// The entries of the three per-cell profiles, gradient, line speed and
// adhesion, read by one procedure: a position and the value that holds from
// it on. What tells the profiles apart is given as rules.
#ifndef PERCORSO_COMPILER_PROFILE_ENTRY_H_
#define PERCORSO_COMPILER_PROFILE_ENTRY_H_

#include <cstdint>
#include <functional>
#include <string_view>

#include "compiler/parse_session.h"

namespace percorso {

/// Where a profile has got to: the next cell to fill, the value of the last
/// entry and where it was read, and the entries' order so far. The previous
/// value starts at 0.
struct ProfileList {
  int64_t cursor = 0;
  int32_t previous = 0;
  SourceLocation place;
  ListOrder order;
};

/// What one profile does with its entries.
struct ProfileRules {
  EntryKind kind;
  /// What its entries are, for the order warning ("gradient").
  std::string_view what;
  /// Checks of the entry's value, made before the order check and after it.
  std::function<void(int32_t posizione, int32_t value)> before_order;
  std::function<void(int32_t posizione, int32_t value)> after_order;
  /// Fills the profile with the previous value up to (not including) cell
  /// `until`; Flow::kStop (or, when checking, Flow::kSkip) when that value has
  /// no cell code.
  std::function<Flow(int64_t until)> fill;
};

/// Reads one entry of a profile (position, value): the range check, the
/// checks of `rules`, the fill of the profile with the previous value up to
/// the entry's cell, and then the entry's value is the previous one (also
/// when a check left the fill out, so that its fault is not reported again at
/// each later entry). Flow::kGoOn when the entry was taken whole.
Flow ReadProfileEntry(ParseSession& p, ProfileList& list, const ProfileRules& rules);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_PROFILE_ENTRY_H_
