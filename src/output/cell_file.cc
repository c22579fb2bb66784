#include "output/cell_file.h"

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

// The records of `celle` from `record` on, 15 bytes each.
void PutCellRecords(std::span<const cella> celle, char* record) {
  for (const cella& c : celle) {
    layout::ForEachField(layout::kCellFields, c, [record](const layout::Field& f, auto v) {
      EncodeNumber(record + f.offset, v);
    });
    record += layout::kCellRecordSize;
  }
}

}  // namespace

bool EncodeCelleInto(std::span<const cella> celle, std::span<char> out, std::string* err) {
  const size_t size = celle.size() * layout::kCellRecordSize;
  if (!CheckEncodedSize("room for the cell records", out.size(), size, err)) return false;
  PutCellRecords(celle, out.data());
  return true;
}

void EncodeCelle(const std::vector<cella>& celle, std::string* out) {
  out->resize(celle.size() * layout::kCellRecordSize);
  PutCellRecords(celle, out->data());
}

}  // namespace percorso
