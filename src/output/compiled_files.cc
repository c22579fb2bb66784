#include "output/compiled_files.h"

#include <algorithm>

#include "io/fresh_file.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/layout.h"
#include "output/table_file.h"

namespace percorso {
namespace {

// Entries of the geometry table encoded per write: about 1 MB of output.
constexpr size_t kGeometryEntriesPerPiece = 100000;

bool WriteGeometry(Disk& disk, const Tracciato& t, const std::string& path, std::string* err) {
  // One reader for the whole file: each coordinate is replayed once.
  TracciatoReader reader(t);
  std::string encode_err;
  bool written = WriteFreshChunked(
      disk, path,
      [&](std::string* piece) {
        size_t next = reader.position();
        if (next >= reader.size() || !encode_err.empty()) return false;
        // Room for the largest piece at once, so that the buffer never grows.
        piece->reserve(kGeometryEntriesPerPiece * layout::EntrySize(Tag::kReale));
        return EncodeTracciatoNext(reader, std::min(reader.size(), next + kGeometryEntriesPerPiece),
                                   piece, &encode_err);
      },
      err);
  if (written && !encode_err.empty()) {
    *err = path + ": cannot write: " + encode_err;
    return false;
  }
  return written;
}

// Encodes one of the files that are built whole in memory and writes it.
template <typename Model, typename Encode>
bool WriteEncoded(Disk& disk, const std::string& path, const Model& model, Encode encode,
                  std::string* err) {
  std::string bytes;
  std::string reason;
  if (!encode(model, &bytes, &reason)) {
    *err = path + ": cannot write: " + reason;
    return false;
  }
  return WriteFresh(disk, path, bytes, err);
}

}  // namespace

bool WriteCompiledFiles(Disk& disk, const Scenario& s, const FileNames& names, std::string* err) {
  if (s.j != 0 && s.tracciato) {
    if (!WriteGeometry(disk, *s.tracciato, names.linea_dat, err)) return false;
  }
  if (!WriteEncoded(disk, names.sim, s.voci, EncodeVoci, err)) return false;
  return WriteEncoded(disk, names.dat, s.celle, EncodeCelle, err);
}

}  // namespace percorso
