#include "output/cell_file.h"

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

void AppendCella(std::string* dst, const cella& c) {
  PutFixed8(dst, c.tipo);
  PutSigned16(dst, c.dato1);
  PutSigned16(dst, c.dato2);
  PutSigned16(dst, c.dato3);
  PutSigned16(dst, c.dato4);
  PutFixed8(dst, c.tempo);
  PutFixed8(dst, c.avviso);
  PutFixed8(dst, c.montagna);
  PutFixed8(dst, c.velocita);
  PutFixed8(dst, c.pendenza);
  PutFixed8(dst, c.aderenza);
}

std::string EncodeCelle(const std::vector<cella>& celle) {
  std::string out;
  out.reserve(celle.size() * layout::kCellRecordSize);
  for (const cella& c : celle) AppendCella(&out, c);
  return out;
}

}  // namespace percorso
