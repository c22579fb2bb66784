// Benchmarks of the compile and of the encoders.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "compiler/compile.h"
#include "compiler/field_reader.h"
#include "compiler/source_files.h"
#include "io/text_document.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/geometry_stream.h"
#include "output/table_file.h"
#include "route_generator.h"
#include "sources/builtin_line.h"
#include "sources/builtin_train.h"

namespace percorso {
namespace {

Scenario Compiled(const GeneratedRoute& r) {
  Scenario s;
  s.line_key = "Gen";
  s.train_key = "1";
  MemorySourceFiles files(r.linea, r.treno);
  memorizza_percorso(s, /*with_geometry=*/true, files);
  return s;
}

std::string BuiltinText(std::span<const std::string_view> lines) {
  return RenderLineList(MakeLineList(lines));
}

// Every field of the built-in line and train files, read as text fields.
void BM_FieldReaderBuiltinSources(benchmark::State& state) {
  const std::string texts[] = {BuiltinText(BuiltinLineLines()), BuiltinText(BuiltinTrainLines())};
  std::string field;
  for (auto _ : state) {
    for (const std::string& text : texts) {
      FieldReader reader(text);
      while (!reader.at_end() && reader.ReadText(&field)) benchmark::DoNotOptimize(field.data());
    }
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(state.iterations() * (texts[0].size() + texts[1].size())));
}
BENCHMARK(BM_FieldReaderBuiltinSources);

// The whole compile of the built-in scenario in memory.
void BM_CompileBuiltinScenario(benchmark::State& state) {
  const GeneratedRoute r = {BuiltinText(BuiltinLineLines()), BuiltinText(BuiltinTrainLines())};
  for (auto _ : state) {
    Scenario s = Compiled(r);
    benchmark::DoNotOptimize(s.celle.data());
  }
}
BENCHMARK(BM_CompileBuiltinScenario)->Unit(benchmark::kMicrosecond);

// The whole compile in memory of a generated route of range(0) km.
void BM_CompileGeneratedRoute(benchmark::State& state) {
  GeneratedRoute r = GenerateRoute(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Scenario s = Compiled(r);
    benchmark::DoNotOptimize(s.celle.data());
  }
  state.counters["km"] = static_cast<double>(state.range(0));
  state.counters["ns_per_km"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CompileGeneratedRoute)
    ->Arg(1)
    ->Arg(97)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// A line file whose [montagne] section holds range(0) stretches over the
// whole of a 1000 km route: the stretches are drawn once, after the parse, so
// the cost grows with the lines plus the cells, not with their product.
void BM_CompileWholeRouteStretches(benchmark::State& state) {
  GeneratedRoute r = GenerateRoute(1000);
  std::string stretches;
  for (int64_t i = 0; i < state.range(0); ++i) {
    stretches += "montagna,   0,  1000000,  " + std::to_string(1 + i % 14) + "\r\n";
  }
  r.linea.insert(r.linea.find("[cartelli]"), stretches);
  for (auto _ : state) {
    Scenario s = Compiled(r);
    benchmark::DoNotOptimize(s.celle.data());
  }
}
BENCHMARK(BM_CompileWholeRouteStretches)
    ->Arg(0)
    ->Arg(4000)
    ->Arg(40000)
    ->Unit(benchmark::kMillisecond);

// What a compile produces before the system calls: the compile and the bytes
// of all three files, for a generated route of range(0) km.
void BM_CompileAndEncode(benchmark::State& state) {
  GeneratedRoute r = GenerateRoute(static_cast<int>(state.range(0)));
  std::string bytes, err;
  // The geometry in pieces, as the file writer encodes it, on this thread.
  auto sink = [](uint64_t, std::string_view piece, std::string*) {
    benchmark::DoNotOptimize(piece.data());
    return true;
  };
  for (auto _ : state) {
    Scenario s = Compiled(r);
    EncodeCelle(s.celle, &bytes);
    benchmark::DoNotOptimize(bytes.data());
    EncodeVoci(s.voci, &bytes);
    benchmark::DoNotOptimize(bytes.data());
    if (s.tracciato) StreamTracciato(*s.tracciato, sink, &err);
  }
  state.counters["km"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_CompileAndEncode)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_EncodeCelle(benchmark::State& state) {
  Scenario s = Compiled(GenerateRoute(97));
  std::string bytes;
  for (auto _ : state) {
    EncodeCelle(s.celle, &bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.celle.size() * 15));
}
BENCHMARK(BM_EncodeCelle);

void BM_EncodeVoci(benchmark::State& state) {
  Scenario s = Compiled(GenerateRoute(97));
  std::string bytes;
  for (auto _ : state) {
    EncodeVoci(s.voci, &bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_EncodeVoci);

void BM_EncodeTracciato(benchmark::State& state) {
  Scenario s = Compiled(GenerateRoute(97));
  if (!s.tracciato) {
    state.SkipWithError("no geometry");
    return;
  }
  std::string bytes, err;
  for (auto _ : state) {
    EncodeTracciato(*s.tracciato, &bytes, &err);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(state.iterations() * EncodedTracciatoSize(*s.tracciato)));
}
BENCHMARK(BM_EncodeTracciato)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace percorso
