// Fuzzes the line file; the train file is a small valid one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_compile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string linea(reinterpret_cast<const char*>(data), size);
  return percorso::CompileInMemory(linea, percorso::kFuzzTrainFile);
}
