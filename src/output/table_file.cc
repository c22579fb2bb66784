#include "output/table_file.h"

#include <algorithm>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

size_t NomeLength(const voce& v) {
  return std::min(v.nome.size(), kMaxNomeLength);
}

template <typename Fields>
void EncodeFields(const Fields& fields, const voce& v, char* at) {
  layout::ForEachField(
      fields, v, [at](const layout::Field& f, auto value) { EncodeNumber(at + f.offset, value); });
}

}  // namespace

void AppendVoce(std::string* dst, const voce& v) {
  const size_t n = NomeLength(v);
  const size_t start = dst->size();
  dst->resize(start + layout::VoceRecordSize(n));
  char* record = dst->data() + start;
  EncodeFields(layout::kVoceHead, v, record);
  EncodeNumber(record + layout::kVoceNomeLength.offset, static_cast<uint16_t>(n));
  v.nome.copy(record + layout::kVoceNome, n);
  EncodeFields(layout::kVoceTail, v, record + layout::kVoceNome + n);
}

void EncodeVoci(const std::array<voce, kNumVoci>& voci, std::string* out) {
  size_t size = 0;
  for (const voce& v : voci) size += layout::VoceRecordSize(NomeLength(v));
  out->clear();
  out->reserve(size);
  for (const voce& v : voci) AppendVoce(out, v);
}

}  // namespace percorso
