#include "output/compiled_files.h"

#include <algorithm>
#include <memory>
#include <span>

#include "io/fresh_file.h"
#include "output/cell_file.h"
#include "output/geometry_file.h"
#include "output/geometry_stream.h"
#include "output/layout.h"
#include "output/table_file.h"

namespace percorso {
namespace {

// Cells encoded per write: 60 KiB of records, in a buffer that stays a few
// pages.
constexpr size_t kCellsPerPiece = 4096;

// The write-back of a geometry file starts a MiB of a half at a time.
constexpr uint64_t kWriteBackSlice = uint64_t{1} << 20;

// Writes the geometry file's chunks and hands each whole slice of a half to
// the disk's write-back as soon as it is written, so that the disk works while
// the rest is encoded and the wait at the commit is for the last slices only.
// Each half is written in order by one thread; two threads share a writer,
// each with the state of its own half.
class SlicedWriteBack {
 public:
  SlicedWriteBack(Disk& disk, FileHandle handle, uint64_t half, uint64_t slice)
      : disk_(disk), handle_(handle), half_(half), slice_(slice) {}

  bool Write(uint64_t offset, std::string_view bytes, std::string* err) {
    if (!disk_.WriteAt(handle_, offset, bytes, err)) return false;
    const bool second = offset >= half_;
    const uint64_t start = second ? half_ : 0;
    uint64_t& begun = begun_[second ? 1 : 0];
    const uint64_t written = offset + bytes.size() - start;
    const uint64_t whole = written - written % slice_;
    if (whole > begun) {
      disk_.BeginSync(handle_, start + begun, whole - begun);
      begun = whole;
    }
    return true;
  }

 private:
  Disk& disk_;
  const FileHandle handle_;
  const uint64_t half_;
  const uint64_t slice_;
  // Bytes of each half whose write-back has begun.
  uint64_t begun_[2] = {0, 0};
};

// The geometry file is encoded in pieces, each coordinate's part written at its
// offset; a long route's two halves are written by two threads at once.
bool AddGeometry(Disk& disk, FileSet& files, const Tracciato& t, const std::string& path,
                 std::string* err) {
  return files.AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        SlicedWriteBack writer(disk, handle, GeometryHalfSize(t), kWriteBackSlice);
        return StreamTracciato(
            t,
            [&](uint64_t offset, std::string_view bytes, std::string* why) {
              return writer.Write(offset, bytes, why);
            },
            reason);
      },
      err);
}

bool AddCells(Disk& disk, FileSet& files, const std::vector<cella>& celle, const std::string& path,
              std::string* err) {
  return files.AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        const size_t room = kCellsPerPiece * layout::kCellRecordSize;
        std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(room);
        const std::span<const cella> all(celle);
        for (size_t first = 0; first < all.size(); first += kCellsPerPiece) {
          const std::span<const cella> piece =
              all.subspan(first, std::min(kCellsPerPiece, all.size() - first));
          const std::span<char> bytes(buffer.get(), piece.size() * layout::kCellRecordSize);
          if (!EncodeCelleInto(piece, bytes, reason) ||
              !disk.Write(handle, std::string_view(bytes.data(), bytes.size()), reason)) {
            return false;
          }
        }
        return true;
      },
      err);
}

bool AddTable(Disk& disk, FileSet& files, const std::array<voce, kNumVoci>& voci,
              const std::string& path, std::string* err) {
  return files.AddWritten(
      path,
      [&](FileHandle handle, std::string* reason) {
        std::string bytes;
        EncodeVoci(voci, &bytes);
        return disk.Write(handle, bytes, reason);
      },
      err);
}

}  // namespace

bool WriteCompiledFiles(Disk& disk, const Scenario& s, const FileNames& names, std::string* err) {
  FileSet files(disk);
  if (s.wants_geometry() && s.tracciato) {
    if (!AddGeometry(disk, files, *s.tracciato, names.linea_dat, err)) return false;
  }
  return AddTable(disk, files, s.voci, names.sim, err) &&
         AddCells(disk, files, s.celle, names.dat, err) && files.Commit(err);
}

}  // namespace percorso
