// Small source texts for parser and compiler tests, and a parse or compile of
// them in memory.
#ifndef PERCORSO_TESTS_SUPPORT_SOURCE_FIXTURE_H_
#define PERCORSO_TESTS_SUPPORT_SOURCE_FIXTURE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/compile.h"
#include "compiler/source_files.h"
#include "model/diagnostic.h"
#include "model/model.h"

namespace percorso::testing {

/// The value `progressiva_errore` holds before a test parse, to show when the
/// parser leaves it alone.
inline constexpr int32_t kUnchanged = -7;

/// The fields of a valid signal line after its position.
inline const std::string kSignal = ", 1,4,1,0,0,0,0,0,0,0";

/// The lines, each followed by CR LF.
std::string Lines(const std::vector<std::string>& lines);
/// A line file: "[generale]", the route length, "[curve]", the body lines and
/// "[fine]".
std::string LineFile(const std::vector<std::string>& body, int32_t lunghezza = 97000);
/// A train file: "[generale]", the lines and "[fine]".
std::string TrainFile(const std::vector<std::string>& lines);
/// A station line of type `tipo` with ten zero values and the time 0:00:00.
std::string Station(int32_t posizione, int tipo, int32_t lunghezza, const std::string& nome);
/// A diagnostic's place as printed, "FILE:LINE:COL".
std::string Place(const SourceLocation& l);

struct Parsed {
  Scenario s;
  int linea_deletions = 0;
  int treno_deletions = 0;
};

/// Parses the two texts with the keys "L" and "T".
Parsed Parse(const std::string& linea, const std::string& treno, int32_t j = 0);
Parsed Parse(MemorySourceFiles& files, int32_t j = 0);

struct Compiled {
  Scenario s;
  CompileOutcome outcome;
};

/// Compiles the two texts as `memorizza_percorso` does, with the keys
/// `line_key` and `train_key`.
Compiled CompileTexts(const std::string& linea, const std::string& treno,
                      bool with_geometry = false, const std::string& line_key = "L",
                      const std::string& train_key = "T");

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_SOURCE_FIXTURE_H_
