// The language server's latency: from a change of a source file to the
// published diagnostics of its pair, for the built-in scenario and for
// generated routes; and the memory the server holds across 1000 edits.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "io/disk.h"
#include "lsp/document.h"
#include "lsp/server.h"
#include "model/windows1252.h"
#include "route_generator.h"
#include "sources/writers.h"

namespace percorso {
namespace {

using nlohmann::json;

// Both files are open in the editor, in a folder that need not exist.
const std::string kLineUri = "file:///percorso-bench/K_linea.txt";
const std::string kTrainUri = "file:///percorso-bench/K_T-.txt";

std::string Message(const std::string& method, json params, int id = 0) {
  json m = {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
  if (id != 0) m["id"] = id;
  return m.dump();
}

std::string Open(const std::string& uri, const std::string& text) {
  return Message("textDocument/didOpen", {{"textDocument",
                                           {{"uri", uri},
                                            {"languageId", "percorso"},
                                            {"version", 1},
                                            {"text", Utf8FromWindows1252(text)}}}});
}

std::string Change(const std::string& uri, const std::string& text, int version) {
  return Message("textDocument/didChange",
                 {{"textDocument", {{"uri", uri}, {"version", version}}},
                  {"contentChanges", {{{"text", Utf8FromWindows1252(text)}}}}});
}

/// A server with the pair open.
void OpenPair(LanguageServer& server, const std::string& line, const std::string& train) {
  server.Handle(Message("initialize", {{"capabilities", json::object()}}, 1));
  server.Handle(Open(kLineUri, line));
  server.Handle(Open(kTrainUri, train));
}

/// One edit of the train file, alternating between two texts, and the time
/// until its diagnostics are published.
void RunEdits(benchmark::State& state, const std::string& line, const std::string& train) {
  RealDisk disk;
  LanguageServer server(disk);
  OpenPair(server, line, train);
  // The second text: the train file with one more line speed at its start.
  const std::string edited = "velocita, 0, 30\r\n" + train;
  int version = 2;
  for (auto _ : state) {
    std::vector<std::string> out =
        server.Handle(Change(kTrainUri, version % 2 ? edited : train, version));
    ++version;
    benchmark::DoNotOptimize(out);
    if (out.empty()) state.SkipWithError("no diagnostics published");
  }
}

void BM_LspChangeBuiltinScenario(benchmark::State& state) {
  RunEdits(state, BuiltinLineBytes(), BuiltinTrainBytes());
}
BENCHMARK(BM_LspChangeBuiltinScenario)->Unit(benchmark::kMillisecond);

void BM_LspChangeGeneratedRoute(benchmark::State& state) {
  GeneratedRoute r = GenerateRoute(static_cast<int>(state.range(0)));
  RunEdits(state, r.linea, r.treno);
}
BENCHMARK(BM_LspChangeGeneratedRoute)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

/// Resident memory in KiB (Linux), or 0.
double ResidentKiB() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  long pages = 0, resident = 0;
  int got = std::fscanf(f, "%ld %ld", &pages, &resident);
  std::fclose(f);
  return got == 2 ? static_cast<double>(resident) * 4.0 : 0;
}

/// 1000 edits of the built-in scenario: the resident memory after the first
/// 100 and after all 1000 (a server that keeps nothing per edit stays flat).
void BM_LspMemoryAcross1000Edits(benchmark::State& state) {
  for (auto _ : state) {
    RealDisk disk;
    LanguageServer server(disk);
    const std::string line = BuiltinLineBytes(), train = BuiltinTrainBytes();
    OpenPair(server, line, train);
    const std::string edited = "velocita, 0, 30\r\n" + train;
    double after_100 = 0;
    for (int i = 1; i <= 1000; ++i) {
      benchmark::DoNotOptimize(server.Handle(Change(kTrainUri, i % 2 ? edited : train, i + 1)));
      if (i == 100) after_100 = ResidentKiB();
    }
    state.counters["rss_after_100_KiB"] = after_100;
    state.counters["rss_after_1000_KiB"] = ResidentKiB();
    state.counters["growth_KiB"] = ResidentKiB() - after_100;
  }
}
BENCHMARK(BM_LspMemoryAcross1000Edits)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace percorso
