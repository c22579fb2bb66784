// A geometry table with one stored entry per coordinate and metre, for the
// tools that read geometry files: a file read back may hold any entries, not
// only those that the compiler's runs produce.
#ifndef PERCORSO_OUTPUT_GEOMETRY_TABLE_H_
#define PERCORSO_OUTPUT_GEOMETRY_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/tracciato.h"

namespace percorso {

/// Two coordinates for every metre x from 0 to the last metre, each a tagged
/// value: empty, a 16-bit integer or a double. Stored as one tag and one double
/// per entry, first all (x, 0) then all (x, 1), which is also the order of the
/// file.
class GeometryTable {
 public:
  /// Creates the table for metres 0 .. `ultimo_metro` (0 when negative), every
  /// entry empty.
  explicit GeometryTable(int32_t ultimo_metro);

  int32_t ultimo_metro() const { return ultimo_metro_; }
  /// Number of entries of one coordinate: ultimo_metro() + 1.
  size_t per_coordinata() const { return static_cast<size_t>(ultimo_metro_) + 1; }
  bool contains(int64_t x) const { return x >= 0 && x <= ultimo_metro_; }

  /// The entry (x, k); outside the table every entry is empty.
  Tag tag(int64_t x, int k) const {
    std::optional<size_t> i = index(x, k);
    return i ? tags_[*i] : Tag::kVuoto;
  }
  /// The entry as a double; an empty entry reads 0, like an empty variant.
  double valore(int64_t x, int k) const {
    std::optional<size_t> i = index(x, k);
    return i ? values_[*i] : 0.0;
  }
  /// Store an entry; false, and nothing changes, outside the table.
  bool set_intero(int64_t x, int k, int16_t v) { return Set(x, k, Tag::kIntero, v); }
  bool set_reale(int64_t x, int k, double v) { return Set(x, k, Tag::kReale, v); }

  /// Raw views in file order.
  const std::vector<Tag>& tags() const { return tags_; }
  const std::vector<double>& values() const { return values_; }

 private:
  /// The position of (x, k) in file order; none outside the table.
  std::optional<size_t> index(int64_t x, int k) const {
    if (!contains(x) || k < 0 || k > 1) return std::nullopt;
    return static_cast<size_t>(k) * per_coordinata() + static_cast<size_t>(x);
  }
  bool Set(int64_t x, int k, Tag tag, double v) {
    std::optional<size_t> i = index(x, k);
    if (!i) return false;
    tags_[*i] = tag;
    values_[*i] = v;
    return true;
  }

  int32_t ultimo_metro_;
  std::vector<Tag> tags_;
  std::vector<double> values_;
};

/// Every entry of a compiler table, stored: the same tags and, bit for bit,
/// the same values as its reader gives.
GeometryTable ExpandTracciato(const Tracciato& t);

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_GEOMETRY_TABLE_H_
