#include "output/geometry_file.h"

#include <bit>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {

size_t GeometryEntryCount(const Tracciato& t) { return t.tags().size(); }

namespace {

size_t EntrySize(Tag tag) {
  switch (tag) {
    case Tag::kVuoto: return layout::kTagSize;
    case Tag::kIntero: return layout::kTagSize + 2;
    case Tag::kReale: return layout::kTagSize + 8;
  }
  return layout::kTagSize;
}

}  // namespace

void EncodeTracciatoRange(const Tracciato& t, size_t begin, size_t end, std::string* dst) {
  const std::vector<Tag>& tags = t.tags();
  const std::vector<double>& values = t.values();
  if (end > tags.size()) end = tags.size();
  if (begin >= end) return;
  size_t size = 0;
  for (size_t i = begin; i < end; ++i) size += EntrySize(tags[i]);
  // The bytes are placed into a buffer sized once: the geometry of a long
  // route is millions of entries.
  size_t at = dst->size();
  dst->resize(at + size);
  char* p = dst->data() + at;
  for (size_t i = begin; i < end; ++i) {
    switch (tags[i]) {
      case Tag::kVuoto:
        EncodeFixed16(p, layout::kTagVuoto);
        p += 2;
        break;
      case Tag::kIntero:
        EncodeFixed16(p, layout::kTagIntero);
        EncodeFixed16(p + 2, static_cast<uint16_t>(static_cast<int16_t>(values[i])));
        p += 4;
        break;
      case Tag::kReale:
        EncodeFixed16(p, layout::kTagReale);
        EncodeFixed64(p + 2, std::bit_cast<uint64_t>(values[i]));
        p += 10;
        break;
    }
  }
}

uint64_t EncodedTracciatoSize(const Tracciato& t) {
  uint64_t size = 0;
  for (Tag tag : t.tags()) size += EntrySize(tag);
  return size;
}

std::string EncodeTracciato(const Tracciato& t) {
  std::string out;
  out.reserve(EncodedTracciatoSize(t));
  EncodeTracciatoRange(t, 0, GeometryEntryCount(t), &out);
  return out;
}

}  // namespace percorso
