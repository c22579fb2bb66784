#include "io/file_names.h"

#include "io/platform.h"

namespace percorso {

FileNames NameFiles(std::string_view dir, std::string_view line_key, std::string_view train_key) {
  std::string line(line_key);
  std::string train = line + "_" + std::string(train_key);
  FileNames n;
  n.linea_txt = JoinPath(dir, line + "_linea.txt");
  n.treno_txt = JoinPath(dir, train + "-.txt");
  n.scheda_treno = JoinPath(dir, train + "_" + "scheda_treno.txt");
  n.rallentamenti = JoinPath(dir, train + "_" + "rallentamenti.txt");
  n.note = JoinPath(dir, train + "_" + "note.txt");
  n.linea_dat = JoinPath(dir, line + "_linea.dat");
  n.sim = JoinPath(dir, train + ".sim");
  n.dat = JoinPath(dir, train + ".dat");
  return n;
}

}  // namespace percorso
