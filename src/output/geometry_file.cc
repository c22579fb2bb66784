#include "output/geometry_file.h"

#include <algorithm>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

constexpr uint64_t kVuotoSize = layout::EntrySize(Tag::kVuoto);
constexpr uint64_t kInteroSize = layout::EntrySize(Tag::kIntero);
constexpr uint64_t kRealeSize = layout::EntrySize(Tag::kReale);

// Writes entries one after the other into a buffer, as far as it has room: an
// entry that would pass its end is counted in `overrun` and not written.
struct EntryWriter {
  char* p;
  char* end;
  uint64_t overrun = 0;

  bool Room(uint64_t size) {
    if (static_cast<uint64_t>(end - p) >= size) return true;
    overrun += size;
    return false;
  }
  void Vuoto() {
    if (!Room(kVuotoSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kVuoto));
    p += kVuotoSize;
  }
  void Intero(int16_t v) {
    if (!Room(kInteroSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kIntero));
    EncodeNumber(p + layout::kTagSize, v);
    p += kInteroSize;
  }
  void Reale(double v) {
    if (!Room(kRealeSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kReale));
    EncodeDouble(p + layout::kTagSize, v);
    p += kRealeSize;
  }
  /// Bytes written, and those that found no room, from `start` on.
  uint64_t Written(const char* start) const { return static_cast<uint64_t>(p - start) + overrun; }
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

bool EncodeTracciatoNext(TracciatoReader& r, size_t end, std::string* dst, std::string* err) {
  end = std::min(end, r.size());
  if (r.position() >= end) return true;
  uint64_t size = BytesBefore(r.tracciato(), end) - BytesBefore(r.tracciato(), r.position());
  // The bytes are placed into a buffer sized once: the geometry of a long
  // route is millions of entries.
  size_t at = dst->size();
  dst->resize(at + static_cast<size_t>(size));
  char* start = dst->data() + at;
  EntryWriter w{start, start + size};
  r.Read(end, w);
  return CheckEncodedSize("geometry file", w.Written(start), size, err);
}

bool EncodeTracciatoRange(const Tracciato& t, size_t begin, size_t end, std::string* dst,
                          std::string* err) {
  TracciatoReader r(t);
  r.Seek(begin);
  return EncodeTracciatoNext(r, end, dst, err);
}

uint64_t EncodedTracciatoSize(const Tracciato& t) {
  return BytesBefore(t, GeometryEntryCount(t));
}

bool EncodeTracciato(const Tracciato& t, std::string* out, std::string* err) {
  out->clear();
  TracciatoReader r(t);
  return EncodeTracciatoNext(r, r.size(), out, err);
}

bool EncodeGeometryTable(const GeometryTable& g, std::string* out, std::string* err) {
  const std::vector<Tag>& tags = g.tags();
  const std::vector<double>& values = g.values();
  uint64_t size = 0;
  for (Tag tag : tags) size += layout::EntrySize(tag);
  out->assign(static_cast<size_t>(size), '\0');
  EntryWriter w{out->data(), out->data() + size};
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
  return CheckEncodedSize("geometry file", w.Written(out->data()), size, err);
}

}  // namespace percorso
