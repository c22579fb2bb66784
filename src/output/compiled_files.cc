#include "output/compiled_files.h"

#include "io/fresh_file.h"
#include "output/cell_file.h"
#include "output/geometry_stream.h"
#include "output/table_file.h"

namespace percorso {
namespace {

// The geometry file is encoded in pieces, each coordinate's part written at its
// offset, while the next piece is being encoded.
bool AddGeometry(Disk& disk, FileSet& files, const Tracciato& t, const std::string& path,
                 std::string* err) {
  return files.AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        return StreamTracciato(
            t,
            [&](uint64_t offset, std::string_view bytes, std::string* why) {
              return disk.WriteAt(handle, offset, bytes, why);
            },
            reason);
      },
      err);
}

// Encodes one of the files that are built whole in memory and adds it.
template <typename Model, typename Encode>
bool AddEncoded(FileSet& files, const std::string& path, const Model& model, Encode encode,
                std::string* err) {
  std::string bytes;
  std::string reason;
  if (!encode(model, &bytes, &reason)) {
    *err = path + ": cannot write: " + reason;
    return false;
  }
  return files.Add(path, bytes, err);
}

}  // namespace

bool WriteCompiledFiles(Disk& disk, const Scenario& s, const FileNames& names, std::string* err) {
  FileSet files(disk);
  if (s.j != 0 && s.tracciato) {
    if (!AddGeometry(disk, files, *s.tracciato, names.linea_dat, err)) return false;
  }
  return AddEncoded(files, names.sim, s.voci, EncodeVoci, err) &&
         AddEncoded(files, names.dat, s.celle, EncodeCelle, err) && files.Commit(err);
}

}  // namespace percorso
