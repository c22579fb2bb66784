#include "output/compiled_files.h"

#include <algorithm>

#include "io/fresh_file.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/table_file.h"

namespace percorso {
namespace {

// Entries of the geometry table encoded per write: about 1 MB of output.
constexpr size_t kGeometryEntriesPerPiece = 100000;

bool AddGeometry(FileSet& files, const Tracciato& t, const std::string& path, std::string* err) {
  // One reader for the whole file: each coordinate is replayed once.
  TracciatoReader reader(t);
  return files.AddChunked(
      path,
      [&](std::string* piece) {
        size_t next = reader.position();
        if (next >= reader.size()) return false;
        // Room for the largest piece (10 bytes an entry at most) at once, so
        // that the buffer never grows.
        piece->reserve(kGeometryEntriesPerPiece * 10);
        EncodeTracciatoNext(reader, std::min(reader.size(), next + kGeometryEntriesPerPiece),
                            piece);
        return true;
      },
      err);
}

}  // namespace

bool WriteCompiledFiles(Disk& disk, const Scenario& s, const FileNames& names, std::string* err) {
  FileSet files(disk);
  if (s.j != 0 && s.tracciato) {
    if (!AddGeometry(files, *s.tracciato, names.linea_dat, err)) return false;
  }
  return files.Add(names.sim, EncodeVoci(s.voci), err) &&
         files.Add(names.dat, EncodeCelle(s.celle), err) && files.Commit(err);
}

}  // namespace percorso
