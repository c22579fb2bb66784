#include "compiler/cell_owners.h"

#include <utility>

#include "compiler/source_text.h"
#include "model/cells.h"

namespace percorso {

int32_t CellOwners::AddEntry(const SourceLocation& where, const std::string& keyword) {
  entries_.push_back(Note{where, keyword});
  remarks_.emplace_back();
  return static_cast<int32_t>(entries_.size() - 1);
}

void CellOwners::Own(int64_t cell, size_t cells, int32_t entry) {
  if (cell < 0 || static_cast<uint64_t>(cell) >= cells) return;
  if (owner_.size() != cells) owner_.assign(cells, -1);
  owner_[static_cast<size_t>(cell)] = entry;
}

void CellOwners::SetRemark(int32_t entry, std::string remark) {
  if (entry < 0 || static_cast<size_t>(entry) >= remarks_.size()) return;
  remarks_[static_cast<size_t>(entry)] = std::move(remark);
}

int32_t CellOwners::IndexOf(int64_t cell) const {
  if (cell < 0 || static_cast<uint64_t>(cell) >= owner_.size()) return -1;
  const int32_t i = owner_[static_cast<size_t>(cell)];
  return i >= 0 && static_cast<size_t>(i) < entries_.size() ? i : -1;
}

const Note* CellOwners::Of(int64_t cell) const {
  const int32_t i = IndexOf(cell);
  return i < 0 ? nullptr : &entries_[static_cast<size_t>(i)];
}

std::string CellOwners::RemarkOf(int64_t cell) const {
  const int32_t i = IndexOf(cell);
  return i < 0 ? std::string() : remarks_[static_cast<size_t>(i)];
}

Note DescribeCell(const Scenario& s, const CellOwners& owners, int64_t cell) {
  const cella* c = s.cell_at(cell);
  const std::string where =
      "cell " + std::to_string(cell) + " (about metre " + std::to_string(CellMetres(cell)) + ")";
  if (c == nullptr) return Note{{}, where + " lies outside the route's cells"};
  const Note* owner = owners.Of(cell);
  if (owner == nullptr && c->tipo == kMarcatore) {
    return Note{{}, where + " already holds a marker that the compile added"};
  }
  std::string text = where + " already holds " + std::string(TipoDescription(c->tipo));
  if (owner == nullptr) return Note{{}, text};
  return Note{owner->where, text + ", put there by this " + Quoted(owner->text) + " entry"};
}

}  // namespace percorso
