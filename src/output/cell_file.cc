#include "output/cell_file.h"

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

bool EncodeCelle(const std::vector<cella>& celle, std::string* out, std::string* err) {
  // The buffer is sized once and every record written in place.
  out->resize(celle.size() * layout::kCellRecordSize);
  char* record = out->data();
  for (const cella& c : celle) {
    layout::ForEachField(layout::kCellFields, c, [record](const layout::Field& f, auto v) {
      EncodeNumber(record + f.offset, v);
    });
    record += layout::kCellRecordSize;
  }
  return CheckEncodedSize("cell file", static_cast<uint64_t>(record - out->data()),
                          celle.size() * layout::kCellRecordSize, err);
}

}  // namespace percorso
