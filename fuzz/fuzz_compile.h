// The whole compile of one pair of sources in memory, as the fuzz targets run it.
#ifndef PERCORSO_FUZZ_FUZZ_COMPILE_H_
#define PERCORSO_FUZZ_FUZZ_COMPILE_H_

#include <string>

namespace percorso {

/// A small valid line file and train file, used beside the fuzzed one.
extern const char kFuzzLineFile[];
extern const char kFuzzTrainFile[];

/// Parses, runs the post-pass and encodes the three files in memory.
void CompileInMemory(const std::string& linea, const std::string& treno);

}  // namespace percorso

#endif  // PERCORSO_FUZZ_FUZZ_COMPILE_H_
