// The plane geometry of the line, kept as the runs of steps that compute it
// rather than as one entry per metre, and the reader that gives the entries
// back in file order.
#ifndef PERCORSO_MODEL_TRACCIATO_H_
#define PERCORSO_MODEL_TRACCIATO_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace percorso {

/// The type tag of one geometry entry.
enum class Tag : uint8_t { kVuoto = 0, kIntero = 2, kReale = 5 };

/// Metres `primo` .. `ultimo` of the plan, each the metre before it plus the
/// step between the two before it, turned by `k` per metre (0 for a straight
/// run): with (dx, dy) that step, the new step is (dx + k dy, dy - k dx).
struct Tratto {
  int32_t primo = 0;
  int32_t ultimo = 0;
  double k = 0;
};

/// The plane geometry of the line: two coordinates for every metre x from 0 to
/// the last metre, as tagged values (empty, a 16-bit integer or a double).
/// Metres 0 and 1, once the origin is set, are the integers (0, 0) and (0, 1);
/// metres 2 onward, as far as they are computed, are doubles, one run after the
/// other; every other entry is empty. Only the origin and the runs are kept, so
/// a table takes a few kilobytes whatever the length of the route;
/// TracciatoReader gives the entries back.
class Tracciato {
 public:
  /// Creates the table for metres 0 .. `ultimo_metro` (0 when negative), every
  /// entry empty.
  explicit Tracciato(int32_t ultimo_metro) : ultimo_metro_(ultimo_metro < 0 ? 0 : ultimo_metro) {}

  int32_t ultimo_metro() const { return ultimo_metro_; }
  /// Number of entries of one coordinate: ultimo_metro() + 1.
  size_t per_coordinata() const { return static_cast<size_t>(ultimo_metro_) + 1; }
  bool contains(int64_t x) const { return x >= 0 && x <= ultimo_metro_; }

  /// Sets the origin: metre 0 at (0, 0), metre 1 at (0, 1), a unit step along
  /// the second coordinate. A table without metre 1 gets only metre 0, and
  /// false is returned.
  bool set_origine();
  /// How many metres of the origin are set: 0 before set_origine(), else 2, or
  /// 1 for a table without metre 1.
  int origine() const { return origine_; }

  /// Number of metres computed, from metre 2 on.
  int64_t calcolati() const { return calcolati_; }
  /// The next metre to compute: 2 + calcolati().
  int64_t prossimo() const { return 2 + calcolati_; }
  /// The runs that computed metres 2 .. prossimo() - 1, in order, each
  /// starting right after the one before.
  const std::vector<Tratto>& tratti() const { return tratti_; }

  /// Computes metres `primo` .. `ultimo` with the turn `k`, extending the last
  /// run when its turn is the same. `primo` must be prossimo() and `ultimo` a
  /// metre of the table; otherwise nothing changes and false is returned. A run
  /// that ends before it starts computes nothing.
  bool AddRun(int64_t primo, int64_t ultimo, double k);

  /// The tag of both coordinates of metre x (empty outside the table).
  Tag tag(int64_t x) const {
    if (!contains(x) || x >= prossimo()) return Tag::kVuoto;
    if (x < origine_) return Tag::kIntero;
    return x < 2 ? Tag::kVuoto : Tag::kReale;
  }

 private:
  int32_t ultimo_metro_;
  int origine_ = 0;
  int64_t calcolati_ = 0;
  std::vector<Tratto> tratti_;
};

/// Reads the points of a table metre by metre, from metre 0 to the last: for
/// each metre the tag that both of its coordinates have and, for an integer or
/// a double, the two values. The computed metres are found again by replaying
/// the runs, each metre the one before plus the step between the two before it,
/// turned (the same expressions in the same order for every metre), so every
/// value is bit for bit the one of a table that stored each metre. The reader
/// keeps only the last two points and costs a constant time per metre. The
/// table must outlive the reader and stay unchanged while it reads.
class TracciatoReader {
 public:
  explicit TracciatoReader(const Tracciato& t);

  const Tracciato& tracciato() const { return t_; }
  /// Metres of the table: ultimo_metro() + 1.
  int64_t size() const { return size_; }
  /// The next metre to read.
  int64_t position() const { return m_; }

  /// Reads metres position() .. `end` - 1 (`end` at most size()), calling for
  /// each, in order, `v.Vuoto()`, `v.Intero(int16_t x, int16_t y)` or
  /// `v.Reale(double x, double y)` with the metre's two coordinates;
  /// position() is then `end`.
  template <typename Visitor>
  void Read(int64_t end, Visitor& v);

 private:
  template <typename Visitor>
  void Steps(int64_t n, double turn, Visitor& v);

  const Tracciato& t_;
  int64_t size_;
  // The next metre, the run it lies in, and the points of the two metres
  // before it (an entry that is not set reads 0).
  int64_t m_ = 0;
  size_t run_ = 0;
  double x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;
};

template <typename Visitor>
void TracciatoReader::Steps(int64_t n, double turn, Visitor& v) {
  double x0 = x0_, y0 = y0_, x1 = x1_, y1 = y1_;
  if (turn == 0.0) {
    for (int64_t i = 0; i < n; ++i) {
      double dx = x1 - x0;
      double dy = y1 - y0;
      x0 = x1;
      y0 = y1;
      x1 = x0 + dx;
      y1 = y0 + dy;
      v.Reale(x1, y1);
    }
  } else {
    for (int64_t i = 0; i < n; ++i) {
      double dx = x1 - x0;
      double dy = y1 - y0;
      x0 = x1;
      y0 = y1;
      x1 = x0 + (dx + turn * dy);
      y1 = y0 + (dy - turn * dx);
      v.Reale(x1, y1);
    }
  }
  x0_ = x0;
  y0_ = y0;
  x1_ = x1;
  y1_ = y1;
}

template <typename Visitor>
void TracciatoReader::Read(int64_t end, Visitor& v) {
  end = std::min(end, size_);
  const int64_t origine = t_.origine();
  const int64_t prossimo = t_.prossimo();
  const std::vector<Tratto>& runs = t_.tratti();
  while (m_ < end) {
    if (m_ < origine) {
      v.Intero(0, static_cast<int16_t>(m_ == 1 ? 1 : 0));
      ++m_;
    } else if (m_ >= 2 && m_ < prossimo && run_ < runs.size()) {
      const Tratto& r = runs[run_];
      const int64_t stop = std::min<int64_t>(end, int64_t{r.ultimo} + 1);
      Steps(stop - m_, r.k, v);
      m_ = stop;
      if (m_ > r.ultimo) ++run_;
    } else {
      // Empty: between the origin and metre 2, or past the computed metres.
      v.Vuoto();
      ++m_;
    }
  }
}

}  // namespace percorso

#endif  // PERCORSO_MODEL_TRACCIATO_H_
