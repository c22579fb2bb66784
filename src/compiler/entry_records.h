// The records that a parse keeps of its entries for the viewer: one for each
// keyword test an entry passed, with the values it read in file order, the
// cells it placed and the station slot it took.
#ifndef PERCORSO_COMPILER_ENTRY_RECORDS_H_
#define PERCORSO_COMPILER_ENTRY_RECORDS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "model/diagnostic.h"
#include "model/model.h"

namespace percorso {

class EntryRecords {
 public:
  /// Records go to `*records`; none are kept when it is null.
  explicit EntryRecords(std::vector<SourceEntry>* records) : records_(records) {}

  /// A new entry starts: nothing is added to a record until Start.
  void EndEntry() { kept_ = -1; }
  /// The entry read at `place` with keyword field `keyword` passed the test
  /// of `kind`: what it reads from here on goes to a new record.
  void Start(EntryKind kind, const SourceLocation& place, const std::string& keyword);
  /// A value read, a text read, a cell placed and a station slot taken by the
  /// entry.
  void Number(int64_t value);
  void Text(const std::string& text);
  void Cell(int64_t cell);
  void Slot(int32_t slot);

 private:
  SourceEntry* Kept();

  std::vector<SourceEntry>* records_;
  // The record being kept for the entry: an index into *records_, or -1.
  int64_t kept_ = -1;
};

}  // namespace percorso

#endif  // PERCORSO_COMPILER_ENTRY_RECORDS_H_
