// The whole compile of one pair of sources in memory, as the fuzz targets run it.
#ifndef PERCORSO_FUZZ_FUZZ_COMPILE_H_
#define PERCORSO_FUZZ_FUZZ_COMPILE_H_

#include <cstdint>
#include <string>

namespace percorso {

/// A small line file and train file that compile without a conflict (the
/// seeds in fuzz/corpus), used beside the fuzzed one.
extern const char kFuzzLineFile[];
extern const char kFuzzTrainFile[];

/// What one input may cost. A compile costs time in proportion to the route's
/// length, and checking the geometry metre by metre costs more than the
/// compile; longer routes take the same paths as short ones. So an input
/// asking for a route longer than kLongestFuzzedRoute metres is compiled but
/// neither checked nor kept, and the geometry is checked for one input in
/// kGeometryCheckEvery, chosen by a hash of the input (the same input is
/// always checked the same way). The product itself has no such limit.
inline constexpr int32_t kLongestFuzzedRoute = 5000;
inline constexpr uint64_t kGeometryCheckEvery = 32;

/// Compiles the pair in memory and checks that the compiled model survives
/// its files. Returns 0, or -1 (the fuzzer's "do not keep this input") for a
/// route that is too long.
int CompileInMemory(const std::string& linea, const std::string& treno);

}  // namespace percorso

#endif  // PERCORSO_FUZZ_FUZZ_COMPILE_H_
