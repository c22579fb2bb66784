#include "compiler/entry_records.h"

#include <utility>

namespace percorso {

void EntryRecords::Start(EntryKind kind, const SourceLocation& place, const std::string& keyword) {
  if (records_ == nullptr) return;
  kept_ = static_cast<int64_t>(records_->size());
  SourceEntry record;
  record.place = place;
  record.keyword = keyword;
  record.kind = kind;
  records_->push_back(std::move(record));
}

SourceEntry* EntryRecords::Kept() {
  if (records_ == nullptr || kept_ < 0 || static_cast<size_t>(kept_) >= records_->size()) {
    return nullptr;
  }
  return &(*records_)[static_cast<size_t>(kept_)];
}

void EntryRecords::Number(int64_t value) {
  if (SourceEntry* record = Kept()) record->numbers.push_back(value);
}

void EntryRecords::Text(const std::string& text) {
  if (SourceEntry* record = Kept()) record->text = text;
}

void EntryRecords::Cell(int64_t cell) {
  if (SourceEntry* record = Kept()) record->cells.push_back(cell);
}

void EntryRecords::Slot(int32_t slot) {
  if (SourceEntry* record = Kept()) record->slot = slot;
}

}  // namespace percorso
