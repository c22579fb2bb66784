#include "output/geometry_file.h"

#include <algorithm>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

constexpr uint64_t kVuotoSize = layout::EntrySize(Tag::kVuoto);
constexpr uint64_t kInteroSize = layout::EntrySize(Tag::kIntero);
constexpr uint64_t kRealeSize = layout::EntrySize(Tag::kReale);

// Writes the entries of both coordinates of each metre, the first at `p` and
// the second `half` bytes after it, as far as the buffer has room: a metre that
// would pass `end` is counted in `overrun` and not written.
struct MetreWriter {
  char* p;
  const char* end;
  size_t half;
  uint64_t overrun = 0;

  bool Room(uint64_t size) {
    if (static_cast<uint64_t>(end - p) >= size) return true;
    overrun += size;
    return false;
  }
  void Vuoto() {
    if (!Room(kVuotoSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kVuoto));
    EncodeNumber(p + half, layout::TagCode(Tag::kVuoto));
    p += kVuotoSize;
  }
  void Intero(int16_t x, int16_t y) {
    if (!Room(kInteroSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kIntero));
    EncodeNumber(p + layout::kTagSize, x);
    EncodeNumber(p + half, layout::TagCode(Tag::kIntero));
    EncodeNumber(p + half + layout::kTagSize, y);
    p += kInteroSize;
  }
  void Reale(double x, double y) {
    if (!Room(kRealeSize)) return;
    EncodeNumber(p, layout::TagCode(Tag::kReale));
    EncodeDouble(p + layout::kTagSize, x);
    EncodeNumber(p + half, layout::TagCode(Tag::kReale));
    EncodeDouble(p + half + layout::kTagSize, y);
    p += kRealeSize;
  }
};

// Writes entries one after the other into a buffer, as far as it has room: an
// entry that would pass its end is counted in `overrun` and not written.
struct EntryWriter {
  char* p;
  const char* end;
  uint64_t overrun = 0;

  void Put(Tag tag, double v) {
    const uint64_t size = layout::EntrySize(tag);
    if (static_cast<uint64_t>(end - p) < size) {
      overrun += size;
      return;
    }
    EncodeNumber(p, layout::TagCode(tag));
    if (tag == Tag::kIntero) EncodeNumber(p + layout::kTagSize, static_cast<int16_t>(v));
    if (tag == Tag::kReale) EncodeDouble(p + layout::kTagSize, v);
    p += size;
  }
};

}  // namespace

uint64_t GeometryOffset(const Tracciato& t, int64_t x) {
  x = std::clamp<int64_t>(x, 0, static_cast<int64_t>(t.per_coordinata()));
  // The origin's integers, empty entries up to metre 2, the computed doubles,
  // and empty entries after them.
  const int64_t interi = std::min<int64_t>(x, t.origine());
  const int64_t reali = std::clamp<int64_t>(x - 2, 0, t.prossimo() - 2);
  const int64_t vuoti = x - interi - reali;
  return static_cast<uint64_t>(interi) * kInteroSize + static_cast<uint64_t>(reali) * kRealeSize +
         static_cast<uint64_t>(vuoti) * kVuotoSize;
}

uint64_t GeometryHalfSize(const Tracciato& t) {
  return GeometryOffset(t, static_cast<int64_t>(t.per_coordinata()));
}

uint64_t EncodedTracciatoSize(const Tracciato& t) {
  return 2 * GeometryHalfSize(t);
}

bool EncodeMetres(TracciatoReader& r, int64_t end, std::span<char> out, uint64_t* n,
                  std::string* err) {
  const Tracciato& t = r.tracciato();
  end = std::clamp(end, r.position(), r.size());
  const uint64_t size = GeometryOffset(t, end) - GeometryOffset(t, r.position());
  *n = size;
  if (out.size() / 2 < size) {
    *err = "no room for the geometry of metres " + std::to_string(r.position()) + " to " +
           std::to_string(end - 1) + ": " + std::to_string(2 * size) + " bytes in a buffer of " +
           std::to_string(out.size());
    return false;
  }
  MetreWriter w{out.data(), out.data() + size, static_cast<size_t>(size)};
  r.Read(end, w);
  return CheckEncodedSize("geometry file", static_cast<uint64_t>(w.p - out.data()) + w.overrun,
                          size, err);
}

bool EncodeTracciato(const Tracciato& t, std::string* out, std::string* err) {
  TracciatoReader r(t);
  std::string both(static_cast<size_t>(EncodedTracciatoSize(t)), '\0');
  uint64_t n = 0;
  if (!EncodeMetres(r, r.size(), both, &n, err)) return false;
  // Encoded together, the two halves already lie one after the other.
  *out = std::move(both);
  return true;
}

bool EncodeGeometryTable(const GeometryTable& g, std::string* out, std::string* err) {
  const std::vector<Tag>& tags = g.tags();
  const std::vector<double>& values = g.values();
  uint64_t size = 0;
  for (Tag tag : tags) size += layout::EntrySize(tag);
  out->assign(static_cast<size_t>(size), '\0');
  EntryWriter w{out->data(), out->data() + size};
  for (size_t i = 0; i < tags.size(); ++i) w.Put(tags[i], values[i]);
  return CheckEncodedSize("geometry file", static_cast<uint64_t>(w.p - out->data()) + w.overrun,
                          size, err);
}

}  // namespace percorso
