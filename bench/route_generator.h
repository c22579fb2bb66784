// Generated scenarios of any length, with features at about the density of the
// built-in line, for benchmarks.
#ifndef PERCORSO_BENCH_ROUTE_GENERATOR_H_
#define PERCORSO_BENCH_ROUTE_GENERATOR_H_

#include <string>

namespace percorso {

struct GeneratedRoute {
  std::string linea;  // line description file, CR LF lines
  std::string treno;  // train description file
};

/// A route of `km` kilometres (1 to 1000) that compiles with status 0.
GeneratedRoute GenerateRoute(int km);

}  // namespace percorso

#endif  // PERCORSO_BENCH_ROUTE_GENERATOR_H_
