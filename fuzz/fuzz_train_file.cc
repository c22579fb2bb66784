// Fuzzes the train file; the line file is a small valid one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_compile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string treno(reinterpret_cast<const char*>(data), size);
  return percorso::CompileInMemory(percorso::kFuzzLineFile, treno);
}
