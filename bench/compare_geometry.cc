// percorso_compare_geometry [ROUTES] [SEED]: compares, on ROUTES random plans
// (default 10000), the geometry file as the writer streams it (on two threads,
// with random piece and chunk sizes, and with the default options)
// and as the whole-file encoder gives it, against a reference that stores
// every metre and computes each one from the two before it. Prints the first
// difference and exits 1, or a summary and exits 0.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/tracciato.h"
#include "output/coding.h"
#include "output/geometry_file.h"
#include "output/geometry_stream.h"
#include "output/layout.h"

namespace percorso {
namespace {

// The turns of the six curve classes, to the right and to the left.
constexpr double kTurns[] = {0.0001, 0.0002, 0.0004, 0.001, 0.002, 0.003};

// One run of the plan as it was added: metres primo .. ultimo with turn k.
struct Run {
  int64_t primo;
  int64_t ultimo;
  double k;
};

// A random plan: its table and the runs that made it.
struct Plan {
  Tracciato t{0};
  bool origine = false;
  std::vector<Run> runs;
};

Plan RandomPlan(std::mt19937_64& rng) {
  auto uniform = [&](int64_t lo, int64_t hi) {
    return std::uniform_int_distribution<int64_t>(lo, hi)(rng);
  };
  // Mostly short routes, some long, a few of the greatest length.
  const int64_t kind = uniform(0, 99);
  const int64_t ultimo = kind < 5    ? uniform(0, 12)
                         : kind < 60 ? uniform(13, 17000)
                         : kind < 90 ? uniform(17001, 107000)
                                     : uniform(107001, 1007000);
  Plan p;
  p.t = Tracciato(static_cast<int32_t>(ultimo));
  // A few plans without an origin (the parse stopped before it).
  if (uniform(0, 99) < 2) return p;
  p.origine = p.t.set_origine();
  // Straight stretches and curves in turn, until a random stop or the end; a
  // plan that reaches the end is drawn to the third metre from it, as the
  // straight tail is.
  const int64_t stop = ultimo >= 2 && uniform(0, 3) == 0 ? uniform(2, ultimo) : ultimo - 2;
  const int64_t mean = uniform(1, 3) == 1 ? 20 : 2000;
  while (p.t.prossimo() <= stop) {
    const int64_t primo = p.t.prossimo();
    const int64_t ultimo_run = std::min(stop, primo + uniform(0, 2 * mean));
    double k = 0.0;
    if (uniform(0, 1) == 1) {
      k = kTurns[uniform(0, 5)] * (uniform(0, 1) == 1 ? -1.0 : 1.0);
      // Now and then a turn of no class: the reader must not depend on one.
      if (uniform(0, 49) == 0) k = std::uniform_real_distribution<double>(-0.01, 0.01)(rng);
    }
    if (!p.t.AddRun(primo, ultimo_run, k)) break;
    p.runs.push_back({primo, ultimo_run, k});
  }
  return p;
}

// The file of a table that stores every metre, each computed from the two
// stored before it.
std::string Reference(const Plan& p) {
  const size_t n = p.t.per_coordinata();
  std::vector<Tag> tags(n, Tag::kVuoto);
  std::vector<double> x(n), y(n);
  if (p.origine) {
    tags[0] = tags[1] = Tag::kIntero;
    y[1] = 1;
  } else if (p.t.origine() == 1) {
    tags[0] = Tag::kIntero;
  }
  for (const Run& r : p.runs) {
    for (int64_t m = r.primo; m <= r.ultimo; ++m) {
      const size_t i = static_cast<size_t>(m);
      const double dx = x[i - 1] - x[i - 2];
      const double dy = y[i - 1] - y[i - 2];
      if (r.k == 0.0) {
        x[i] = x[i - 1] + dx;
        y[i] = y[i - 1] + dy;
      } else {
        x[i] = x[i - 1] + (dx + r.k * dy);
        y[i] = y[i - 1] + (dy - r.k * dx);
      }
      tags[i] = Tag::kReale;
    }
  }
  std::string bytes;
  bytes.reserve(n * 20);
  for (const std::vector<double>* values : {&x, &y}) {
    for (size_t i = 0; i < n; ++i) {
      PutNumber(&bytes, layout::TagCode(tags[i]));
      if (tags[i] == Tag::kIntero) PutNumber(&bytes, static_cast<int16_t>((*values)[i]));
      if (tags[i] == Tag::kReale) PutDouble(&bytes, (*values)[i]);
    }
  }
  return bytes;
}

// The file as StreamTracciato hands it out; empty, with `*err` set, when a
// piece comes out of order or outside the file.
std::string Streamed(const Tracciato& t, const GeometryStreamOptions& options, std::string* err) {
  const uint64_t size = EncodedTracciatoSize(t);
  std::string file(static_cast<size_t>(size), '\0');
  uint64_t next[2] = {0, size / 2};
  bool in_order = true;
  const bool ok = StreamTracciato(
      t,
      [&](uint64_t offset, std::string_view bytes, std::string*) {
        const int half = offset < size / 2 ? 0 : 1;
        if (offset != next[half] || offset + bytes.size() > size) {
          in_order = false;
          return false;
        }
        next[half] += bytes.size();
        bytes.copy(file.data() + offset, bytes.size());
        return true;
      },
      err, options);
  if (!ok || !in_order || next[0] != size / 2 || next[1] != size) {
    if (err->empty()) *err = "pieces out of order or missing";
    return {};
  }
  return file;
}

// The first byte where two files differ, as a line.
std::string Difference(std::string_view got, std::string_view want) {
  size_t i = 0;
  while (i < got.size() && i < want.size() && got[i] == want[i]) ++i;
  return std::to_string(got.size()) + " bytes against " + std::to_string(want.size()) +
         ", first difference at byte " + std::to_string(i);
}

}  // namespace
}  // namespace percorso

int main(int argc, char** argv) {
  using namespace percorso;
  const long routes = argc > 1 ? std::atol(argv[1]) : 10000;
  const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 25;
  std::mt19937_64 rng(seed);
  uint64_t metres = 0, bytes = 0;
  for (long i = 0; i < routes; ++i) {
    const Plan p = RandomPlan(rng);
    const std::string want = Reference(p);
    auto pick = [&](std::initializer_list<int64_t> values) {
      const int64_t j =
          std::uniform_int_distribution<int64_t>(0, static_cast<int64_t>(values.size()) - 1)(rng);
      return *(values.begin() + j);
    };
    GeometryStreamOptions two;
    two.metres_per_piece = pick({1, 7, 97, 800, 5000, 100000});
    two.chunk_bytes = static_cast<size_t>(pick({4096, 65536, 262144, 1048576}));
    two.background_from = 0;
    std::string err;
    struct Way {
      const char* name;
      std::string bytes;
    };
    Way ways[3] = {
        {"two threads", Streamed(p.t, two, &err)}, {"default options", {}}, {"whole", {}}};
    if (ways[0].bytes.empty() && !err.empty()) {
      std::printf("route %ld (seed %" PRIu64 "): two threads: %s\n", i, seed, err.c_str());
      return 1;
    }
    ways[1].bytes = Streamed(p.t, {}, &err);
    if (!EncodeTracciato(p.t, &ways[2].bytes, &err)) {
      std::printf("route %ld: %s\n", i, err.c_str());
      return 1;
    }
    for (const Way& w : ways) {
      if (w.bytes != want) {
        std::printf("route %ld (seed %" PRIu64 ", %d metres, %zu runs): %s: %s\n", i, seed,
                    p.t.ultimo_metro() + 1, p.runs.size(), w.name,
                    Difference(w.bytes, want).c_str());
        return 1;
      }
    }
    metres += p.t.per_coordinata();
    bytes += want.size();
  }
  std::printf("%ld routes (seed %" PRIu64 "), %" PRIu64 " metres, %" PRIu64
              " bytes: every file the same, streamed on two threads, with the default options "
              "and whole\n",
              routes, seed, metres, bytes);
  return 0;
}
