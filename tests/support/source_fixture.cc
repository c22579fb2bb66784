#include "support/source_fixture.h"

namespace percorso::testing {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string LineFile(const std::vector<std::string>& body, int32_t lunghezza) {
  return Lines({"[generale]", "lunghezza percorso,    " + std::to_string(lunghezza), "[curve]"}) +
         Lines(body) + Lines({"[fine]"});
}

std::string TrainFile(const std::vector<std::string>& lines) {
  return Lines({"[generale]"}) + Lines(lines) + Lines({"[fine]"});
}

std::string Station(int32_t posizione, int tipo, int32_t lunghezza, const std::string& nome) {
  return "stazione, " + std::to_string(posizione) + ", " + std::to_string(tipo) + ", " +
         std::to_string(lunghezza) + ", 0,0,0, 0,0,0, 0,0,0, 0, 0,0,0, " + nome;
}

std::string Place(const SourceLocation& l) {
  return l.file + ":" + std::to_string(l.line) + ":" + std::to_string(l.column);
}

Parsed Parse(MemorySourceFiles& files, int32_t j) {
  Parsed p;
  p.s.line_key = "L";
  p.s.train_key = "T";
  p.s.j = j;
  p.s.diagnostic.progressiva_errore = kUnchanged;
  memorizza_dati(p.s, files);
  p.linea_deletions = files.linea_deletions;
  p.treno_deletions = files.treno_deletions;
  return p;
}

Parsed Parse(const std::string& linea, const std::string& treno, int32_t j) {
  MemorySourceFiles files(linea, treno);
  return Parse(files, j);
}

Compiled CompileTexts(const std::string& linea, const std::string& treno, bool with_geometry,
                      const std::string& line_key, const std::string& train_key) {
  Compiled c;
  c.s.line_key = line_key;
  c.s.train_key = train_key;
  MemorySourceFiles files(linea, treno);
  c.outcome = memorizza_percorso(c.s, with_geometry, files);
  return c;
}

}  // namespace percorso::testing
