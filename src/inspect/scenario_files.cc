#include "inspect/scenario_files.h"

#include <sstream>

#include "inspect/dump_format.h"
#include "io/read_file.h"
#include "output/decode.h"

namespace percorso {
namespace {

/// Decodes `bytes` as a file of `kind` and lists it on `out`; false with the
/// decoder's reason.
bool DecodeAndList(const DumpSource& source, const std::string& bytes, CompiledFile kind,
                   const DumpOptions& options, std::ostream& out, std::string* reason) {
  switch (kind) {
    case CompiledFile::kCells: {
      std::vector<cella> celle;
      if (!DecodeCelle(bytes, &celle, reason)) return false;
      options.json ? DumpCelleJson(source, celle, out) : DumpCelleText(source, celle, out);
      return true;
    }
    case CompiledFile::kTable: {
      std::array<voce, kNumVoci> voci{};
      if (!DecodeVoci(bytes, &voci, reason)) return false;
      options.json ? DumpVociJson(source, voci, out) : DumpVociText(source, voci, out);
      return true;
    }
    case CompiledFile::kGeometry: {
      std::optional<GeometryTable> t;
      if (!DecodeTracciato(bytes, &t, reason)) return false;
      options.json ? DumpTracciatoJson(source, *t, options.every, out)
                   : DumpTracciatoText(source, *t, options.every, out);
      return true;
    }
  }
  return false;
}

}  // namespace

bool DumpCompiledFile(Disk& disk, const std::string& path, CompiledFile kind,
                      const DumpOptions& options, std::string* text, std::string* err) {
  std::string bytes;
  if (ReadRegularFile(disk, path, kMaxCompiledFileSize, &bytes, err) != ReadStatus::kOk) {
    return false;
  }
  std::ostringstream listing;
  std::string reason;
  if (!DecodeAndList({path, bytes.size()}, bytes, kind, options, listing, &reason)) {
    *err = path + ": " + reason;
    return false;
  }
  *text = std::move(listing).str();
  return true;
}

bool DumpCompiledBytes(const std::string& name, const std::string& bytes,
                       std::optional<CompiledFile> kind, const DumpOptions& options,
                       std::string* text, std::string* err) {
  std::string reason;
  for (CompiledFile k : {CompiledFile::kTable, CompiledFile::kGeometry, CompiledFile::kCells}) {
    if (kind && *kind != k) continue;
    std::ostringstream listing;
    if (DecodeAndList({name, bytes.size()}, bytes, k, options, listing, &reason)) {
      *text = std::move(listing).str();
      return true;
    }
  }
  *err = name + ": " +
         (kind ? reason
               : "cannot tell the kind of file by its size and content (give --kind cells, "
                 "table or geometry)");
  return false;
}

bool FindScenariosIn(Disk& disk, const std::string& dir, std::vector<ScenarioKeys>* found,
                     std::string* err) {
  std::vector<std::string> entries;
  std::string reason;
  if (!disk.ListDirectory(dir, &entries, &reason)) {
    *err = dir + ": cannot list: " + reason;
    return false;
  }
  *found = FindScenarios(entries);
  return true;
}

bool ReadCompiledScenario(Disk& disk, const FileNames& names, ViewScenario* s, std::string* err) {
  std::string bytes, reason;
  if (ReadRegularFile(disk, names.sim, kMaxCompiledFileSize, &bytes, err) != ReadStatus::kOk) {
    return false;
  }
  if (!DecodeVoci(bytes, &s->voci, &reason)) {
    *err = names.sim + ": " + reason;
    return false;
  }
  if (ReadRegularFile(disk, names.dat, kMaxCompiledFileSize, &bytes, err) != ReadStatus::kOk) {
    return false;
  }
  if (!DecodeCelle(bytes, &s->celle, &reason)) {
    *err = names.dat + ": " + reason;
    return false;
  }
  // A scenario compiled without geometry has no geometry file.
  switch (ReadRegularFile(disk, names.linea_dat, kMaxCompiledFileSize, &bytes, err)) {
    case ReadStatus::kMissing:
      err->clear();
      return true;
    case ReadStatus::kFailed:
      return false;
    case ReadStatus::kOk:
      break;
  }
  if (!DecodeTracciato(bytes, &s->tracciato, &reason)) {
    *err = names.linea_dat + ": " + reason;
    return false;
  }
  return true;
}

}  // namespace percorso
