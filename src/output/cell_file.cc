#include "output/cell_file.h"

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

bool EncodeCelleInto(std::span<const cella> celle, std::span<char> out, std::string* err) {
  const size_t size = celle.size() * layout::kCellRecordSize;
  if (!CheckEncodedSize("room for the cell records", out.size(), size, err)) return false;
  char* record = out.data();
  for (const cella& c : celle) {
    layout::ForEachField(layout::kCellFields, c, [record](const layout::Field& f, auto v) {
      EncodeNumber(record + f.offset, v);
    });
    record += layout::kCellRecordSize;
  }
  return CheckEncodedSize("cell file", static_cast<uint64_t>(record - out.data()), size, err);
}

bool EncodeCelle(const std::vector<cella>& celle, std::string* out, std::string* err) {
  out->resize(celle.size() * layout::kCellRecordSize);
  return EncodeCelleInto(celle, *out, err);
}

}  // namespace percorso
