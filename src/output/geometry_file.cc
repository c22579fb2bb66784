#include "output/geometry_file.h"

#include <algorithm>
#include <bit>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

constexpr uint64_t kVuotoSize = layout::kTagSize;
constexpr uint64_t kInteroSize = layout::kTagSize + 2;
constexpr uint64_t kRealeSize = layout::kTagSize + 8;

// Writes entries one after the other into a buffer that has room for them.
struct EntryWriter {
  char* p;

  void Vuoto() {
    EncodeFixed16(p, layout::kTagVuoto);
    p += kVuotoSize;
  }
  void Intero(int16_t v) {
    EncodeFixed16(p, layout::kTagIntero);
    EncodeFixed16(p + layout::kTagSize, static_cast<uint16_t>(v));
    p += kInteroSize;
  }
  void Reale(double v) {
    EncodeFixed16(p, layout::kTagReale);
    EncodeFixed64(p + layout::kTagSize, std::bit_cast<uint64_t>(v));
    p += kRealeSize;
  }
};

// The bytes of the first `x` entries of one coordinate (x at most N + 1): the
// origin's integers, empty entries up to metre 2, the computed doubles, and
// empty entries after them.
uint64_t CoordinateBytesBefore(const Tracciato& t, int64_t x) {
  const int64_t origine = t.origine();
  const int64_t prossimo = t.prossimo();
  int64_t interi = std::min(x, origine);
  int64_t reali = std::clamp<int64_t>(x - 2, 0, prossimo - 2);
  int64_t vuoti = x - interi - reali;
  return static_cast<uint64_t>(interi) * kInteroSize + static_cast<uint64_t>(reali) * kRealeSize +
         static_cast<uint64_t>(vuoti) * kVuotoSize;
}

// The bytes of entries [0, i) of the file, i at most the entry count.
uint64_t BytesBefore(const Tracciato& t, size_t i) {
  const size_t per = t.per_coordinata();
  if (i <= per) return CoordinateBytesBefore(t, static_cast<int64_t>(i));
  return CoordinateBytesBefore(t, static_cast<int64_t>(per)) +
         CoordinateBytesBefore(t, static_cast<int64_t>(i - per));
}

}  // namespace

size_t GeometryEntryCount(const Tracciato& t) {
  return 2 * t.per_coordinata();
}

void EncodeTracciatoNext(TracciatoReader& r, size_t end, std::string* dst) {
  end = std::min(end, r.size());
  if (r.position() >= end) return;
  uint64_t size = BytesBefore(r.tracciato(), end) - BytesBefore(r.tracciato(), r.position());
  // The bytes are placed into a buffer sized once: the geometry of a long
  // route is millions of entries.
  size_t at = dst->size();
  dst->resize(at + static_cast<size_t>(size));
  EntryWriter w{dst->data() + at};
  r.Read(end, w);
}

void EncodeTracciatoRange(const Tracciato& t, size_t begin, size_t end, std::string* dst) {
  TracciatoReader r(t);
  r.Seek(begin);
  EncodeTracciatoNext(r, end, dst);
}

uint64_t EncodedTracciatoSize(const Tracciato& t) {
  return BytesBefore(t, GeometryEntryCount(t));
}

std::string EncodeTracciato(const Tracciato& t) {
  std::string out;
  TracciatoReader r(t);
  EncodeTracciatoNext(r, r.size(), &out);
  return out;
}

std::string EncodeGeometryTable(const GeometryTable& g) {
  const std::vector<Tag>& tags = g.tags();
  const std::vector<double>& values = g.values();
  uint64_t size = 0;
  for (Tag tag : tags) {
    size += tag == Tag::kVuoto ? kVuotoSize : tag == Tag::kIntero ? kInteroSize : kRealeSize;
  }
  std::string out(static_cast<size_t>(size), '\0');
  EntryWriter w{out.data()};
  for (size_t i = 0; i < tags.size(); ++i) {
    switch (tags[i]) {
      case Tag::kVuoto:
        w.Vuoto();
        break;
      case Tag::kIntero:
        w.Intero(static_cast<int16_t>(values[i]));
        break;
      case Tag::kReale:
        w.Reale(values[i]);
        break;
    }
  }
  return out;
}

}  // namespace percorso
