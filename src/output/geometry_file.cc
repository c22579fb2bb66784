#include "output/geometry_file.h"

#include <algorithm>

#include "output/coding.h"
#include "output/layout.h"

namespace percorso {
namespace {

constexpr uint64_t kVuotoSize = layout::EntrySize(Tag::kVuoto);
constexpr uint64_t kInteroSize = layout::EntrySize(Tag::kIntero);
constexpr uint64_t kRealeSize = layout::EntrySize(Tag::kReale);

// Writes the entries of both coordinates of each metre, the first at `first`
// and the second at `second`, as far as `size` bytes of each: a metre that
// would pass the end is counted in `overrun` and not written.
class MetreWriter {
 public:
  MetreWriter(char* first, char* second, size_t size)
      : start_(first), p_(first), q_(second), end_(first + size) {}

  void Vuoto() {
    if (!Room(kVuotoSize)) return;
    EncodeNumber(p_, layout::TagCode(Tag::kVuoto));
    EncodeNumber(q_, layout::TagCode(Tag::kVuoto));
    Advance(kVuotoSize);
  }
  void Intero(int16_t x, int16_t y) {
    if (!Room(kInteroSize)) return;
    EncodeNumber(p_, layout::TagCode(Tag::kIntero));
    EncodeNumber(p_ + layout::kTagSize, x);
    EncodeNumber(q_, layout::TagCode(Tag::kIntero));
    EncodeNumber(q_ + layout::kTagSize, y);
    Advance(kInteroSize);
  }
  void Reale(double x, double y) {
    if (!Room(kRealeSize)) return;
    EncodeNumber(p_, layout::TagCode(Tag::kReale));
    EncodeDouble(p_ + layout::kTagSize, x);
    EncodeNumber(q_, layout::TagCode(Tag::kReale));
    EncodeDouble(q_ + layout::kTagSize, y);
    Advance(kRealeSize);
  }

  /// Bytes written into each coordinate's part, and those that found no room.
  uint64_t written() const { return static_cast<uint64_t>(p_ - start_) + overrun_; }

 private:
  bool Room(uint64_t size) {
    if (static_cast<uint64_t>(end_ - p_) >= size) [[likely]]
      return true;
    overrun_ += size;
    return false;
  }
  void Advance(uint64_t size) {
    p_ += size;
    q_ += size;
  }

  char* const start_;
  char* p_;
  char* q_;
  const char* const end_;
  uint64_t overrun_ = 0;
};

// Writes one entry at `p`, which has room for it, and returns where the next
// one starts.
char* PutEntry(char* p, Tag tag, double v) {
  EncodeNumber(p, layout::TagCode(tag));
  if (tag == Tag::kIntero) EncodeNumber(p + layout::kTagSize, static_cast<int16_t>(v));
  if (tag == Tag::kReale) EncodeDouble(p + layout::kTagSize, v);
  return p + layout::EntrySize(tag);
}

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

bool EncodeMetres(TracciatoReader& r, int64_t end, std::span<char> first, std::span<char> second,
                  uint64_t* n, std::string* err) {
  const Tracciato& t = r.tracciato();
  end = std::clamp(end, r.position(), r.size());
  const uint64_t size = GeometryOffset(t, end) - GeometryOffset(t, r.position());
  *n = size;
  if (std::min(first.size(), second.size()) < size) {
    *err = "no room for the geometry of metres " + std::to_string(r.position()) + " to " +
           std::to_string(end - 1) + ": " + std::to_string(size) + " bytes of each coordinate in " +
           std::to_string(first.size()) + " and " + std::to_string(second.size());
    return false;
  }
  MetreWriter w(first.data(), second.data(), static_cast<size_t>(size));
  r.Read(end, w);
  return CheckEncodedSize("geometry file", w.written(), size, err);
}

bool EncodeTracciato(const Tracciato& t, std::string* out, std::string* err) {
  TracciatoReader r(t);
  const size_t half = static_cast<size_t>(GeometryHalfSize(t));
  std::string both(2 * half, '\0');
  const std::span<char> all(both);
  uint64_t n = 0;
  if (!EncodeMetres(r, r.size(), all.first(half), all.subspan(half), &n, err)) return false;
  // Encoded together, the two halves already lie one after the other.
  *out = std::move(both);
  return true;
}

void EncodeGeometryTable(const GeometryTable& g, std::string* out) {
  const std::vector<Tag>& tags = g.tags();
  const std::vector<double>& values = g.values();
  uint64_t size = 0;
  for (Tag tag : tags) size += layout::EntrySize(tag);
  out->assign(static_cast<size_t>(size), '\0');
  char* p = out->data();
  for (size_t i = 0; i < tags.size(); ++i) p = PutEntry(p, tags[i], values[i]);
}

}  // namespace percorso
