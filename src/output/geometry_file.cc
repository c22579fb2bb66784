#include "output/geometry_file.h"

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

size_t GeometryEntryCount(const Tracciato& t) { return t.tags().size(); }

void EncodeTracciatoRange(const Tracciato& t, size_t begin, size_t end, std::string* dst) {
  const std::vector<Tag>& tags = t.tags();
  const std::vector<double>& values = t.values();
  if (end > tags.size()) end = tags.size();
  for (size_t i = begin; i < end; ++i) {
    switch (tags[i]) {
      case Tag::kVuoto:
        PutFixed16(dst, layout::kTagVuoto);
        break;
      case Tag::kIntero:
        PutFixed16(dst, layout::kTagIntero);
        PutSigned16(dst, static_cast<int16_t>(values[i]));
        break;
      case Tag::kReale:
        PutFixed16(dst, layout::kTagReale);
        PutDouble(dst, values[i]);
        break;
    }
  }
}

uint64_t EncodedTracciatoSize(const Tracciato& t) {
  uint64_t size = 0;
  for (Tag tag : t.tags()) {
    size += layout::kTagSize;
    if (tag == Tag::kIntero) size += 2;
    if (tag == Tag::kReale) size += 8;
  }
  return size;
}

std::string EncodeTracciato(const Tracciato& t) {
  std::string out;
  out.reserve(EncodedTracciatoSize(t));
  EncodeTracciatoRange(t, 0, GeometryEntryCount(t), &out);
  return out;
}

}  // namespace percorso
