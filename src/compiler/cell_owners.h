// Which source entry put the feature on each cell: kept by the parse, so that
// a conflict found later (by the parse or by the post-pass) names the entries
// involved in the author's terms.
#ifndef PERCORSO_COMPILER_CELL_OWNERS_H_
#define PERCORSO_COMPILER_CELL_OWNERS_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/diagnostic.h"
#include "model/model.h"

namespace percorso {

class CellOwners {
 public:
  /// Starts a new entry read at `where` with keyword field `keyword`; returns
  /// its index.
  int32_t AddEntry(const SourceLocation& where, const std::string& keyword);
  /// The entry `entry` put its feature on `cell` of an array of `cells` cells.
  void Own(int64_t cell, size_t cells, int32_t entry);
  /// Something that a later error about the cells of `entry` should add.
  void SetRemark(int32_t entry, std::string remark);

  /// The entry that put the feature on `cell` (its place, and its keyword
  /// field as text), or nullptr.
  const Note* Of(int64_t cell) const;
  /// The remark kept for the entry that owns `cell`; empty when none.
  std::string RemarkOf(int64_t cell) const;

 private:
  int32_t IndexOf(int64_t cell) const;

  std::vector<int32_t> owner_;
  std::vector<Note> entries_;
  std::vector<std::string> remarks_;
};

/// The cells that the entries of a parse claim: the entry being read becomes
/// an owner with its first cell.
class CellClaims {
 public:
  /// A new entry starts; it owns no cell yet.
  void StartEntry() { entry_ = -1; }
  /// The entry read at `where` with keyword field `keyword` put its feature on
  /// `cell` of an array of `cells` cells.
  void Own(int64_t cell, size_t cells, const SourceLocation& where, const std::string& keyword) {
    if (entry_ < 0) entry_ = owners_.AddEntry(where, keyword);
    owners_.Own(cell, cells, entry_);
  }
  /// What a later error about the entry's cells should add; nothing when it
  /// owns none.
  void Remark(std::string remark) {
    if (entry_ >= 0) owners_.SetRemark(entry_, std::move(remark));
  }
  const CellOwners& owners() const { return owners_; }
  /// The owners, taken once at the end of the parse.
  CellOwners Take() { return std::move(owners_); }

 private:
  CellOwners owners_;
  int32_t entry_ = -1;
};

/// A note on what `cell` holds: "cell C (about metre M) already holds WHAT",
/// and ", put there by this 'K' entry" at that entry's place when it has an
/// owner; a marker without an owner was added by the compile.
Note DescribeCell(const Scenario& s, const CellOwners& owners, int64_t cell);

}  // namespace percorso

#endif  // PERCORSO_COMPILER_CELL_OWNERS_H_
