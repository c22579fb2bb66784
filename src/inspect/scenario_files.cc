#include "inspect/scenario_files.h"

#include <sstream>

#include "inspect/dump_format.h"
#include "io/platform.h"
#include "io/read_file.h"
#include "model/cells.h"
#include "model/check_codes.h"
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

bool CheckCompiledSet(const ViewScenario& v, const FileNames& names, std::string* err) {
  Scenario keys;
  keys.voci = v.voci;
  const int32_t st = codice_gara_st(keys);
  const int16_t og = codice_gara_og(keys);
  const std::string advice = ": the files do not come from one compile; compile the scenario again";
  if (v.voci[kVoceLinea].orario != st) {
    *err = names.sim + ": check code " + std::to_string(v.voci[kVoceLinea].orario) +
           " in slot 85, but its keys give " + std::to_string(st) + advice;
    return false;
  }
  if (v.celle.size() > 1 && v.celle[1].dato2 != og) {
    *err = names.dat + ": check code " + std::to_string(v.celle[1].dato2) +
           " in cell 1, but the keys of " + std::string(BaseName(names.sim)) + " give " +
           std::to_string(og) + advice;
    return false;
  }
  // The table holds the route's length, of which the cells are made: a
  // table and cells of two compiles whose keys agree still differ there.
  const int64_t length = v.voci[kVoceTreno].fine;
  const int64_t route_cells = LastCellOf(length + kRouteExtension) + 1;
  if (route_cells >= 0 && route_cells != static_cast<int64_t>(v.celle.size())) {
    *err = names.dat + ": " + std::to_string(v.celle.size()) + " cells, but the route of " +
           std::to_string(length) + " m in slot 84 of " + std::string(BaseName(names.sim)) +
           " has " + std::to_string(route_cells) + advice;
    return false;
  }
  if (v.tracciato && !v.celle.empty()) {
    const int64_t cells = LastCellOf(v.tracciato->ultimo_metro()) + 1;
    if (cells != static_cast<int64_t>(v.celle.size())) {
      *err = names.linea_dat + ": a geometry of " + std::to_string(v.tracciato->ultimo_metro()) +
             " m, for " + std::to_string(cells) + " cells, but " +
             std::string(BaseName(names.dat)) + " holds " + std::to_string(v.celle.size()) + advice;
      return false;
    }
  }
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
      return CheckCompiledSet(*s, names, err);
    case ReadStatus::kFailed:
      return false;
    case ReadStatus::kOk:
      break;
  }
  if (!DecodeTracciato(bytes, &s->tracciato, &reason)) {
    *err = names.linea_dat + ": " + reason;
    return false;
  }
  return CheckCompiledSet(*s, names, err);
}

}  // namespace percorso
