#include "output/table_file.h"

#include <algorithm>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

void AppendVoce(std::string* dst, const voce& v) {
  size_t n = std::min(v.nome.size(), kMaxNomeLength);
  PutFixed8(dst, v.tipo);
  PutSigned32(dst, v.inizio);
  PutSigned32(dst, v.fine);
  PutSigned32(dst, v.posizione);
  PutFixed8(dst, v.marca);
  PutFixed16(dst, static_cast<uint16_t>(n));
  dst->append(v.nome, 0, n);
  PutSigned16(dst, v.valore1);
  PutSigned16(dst, v.valore2);
  PutSigned16(dst, v.valore3);
  PutSigned16(dst, v.valore4);
  PutSigned16(dst, v.valore5);
  PutFixed8(dst, v.opzione1);
  PutFixed8(dst, v.opzione2);
  PutFixed8(dst, v.opzione3);
  PutFixed8(dst, v.opzione4);
  PutSigned32(dst, v.orario);
}

std::string EncodeVoci(const std::array<voce, kNumVoci>& voci) {
  std::string out;
  size_t size = 0;
  for (const voce& v : voci)
    size += layout::kVoceFixedSize + std::min(v.nome.size(), kMaxNomeLength);
  out.reserve(size);
  for (const voce& v : voci) AppendVoce(&out, v);
  return out;
}

}  // namespace percorso
