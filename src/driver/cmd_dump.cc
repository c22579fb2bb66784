// `percorso dump`: the compiled files as a readable listing or as JSON.
#include <charconv>
#include <sstream>

#include "driver/commands.h"
#include "driver/options.h"
#include "driver/run.h"
#include "inspect/dump_format.h"
#include "output/decode.h"

namespace percorso {
namespace {

// The largest file read: the geometry file of the longest route is about
// 20 MB, a table file at most 6 MB.
constexpr uint64_t kMaxDumpFileSize = uint64_t{64} << 20;

bool ParseEvery(const std::string& text, int64_t* every) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *every);
  return ec == std::errc() && end == text.data() + text.size() && *every >= 1;
}

/// Reads, decodes and lists one file into `*text`; false with a message on
/// `err` when the file cannot be read or does not fit its layout.
bool DumpOne(Disk& disk, const std::string& path, DumpKind kind, bool json, int64_t every,
             std::string* text, std::ostream& err) {
  FileInfo info = disk.Stat(path);
  if (info.kind == FileKind::kMissing) {
    err << "percorso: " << path << ": no such file\n";
    return false;
  }
  if (info.kind != FileKind::kRegular) {
    err << "percorso: " << path << ": not a regular file\n";
    return false;
  }
  std::string bytes, reason;
  if (!disk.ReadFile(path, kMaxDumpFileSize, &bytes, &reason)) {
    err << "percorso: " << path << ": cannot read: " << reason << "\n";
    return false;
  }
  DumpSource source{path, bytes.size()};
  std::ostringstream listing;
  bool ok = false;
  switch (kind) {
    case DumpKind::kCells: {
      std::vector<cella> celle;
      ok = DecodeCelle(bytes, &celle, &reason);
      if (ok && json) DumpCelleJson(source, celle, listing);
      if (ok && !json) DumpCelleText(source, celle, listing);
      break;
    }
    case DumpKind::kTable: {
      std::array<voce, kNumVoci> voci{};
      ok = DecodeVoci(bytes, &voci, &reason);
      if (ok && json) DumpVociJson(source, voci, listing);
      if (ok && !json) DumpVociText(source, voci, listing);
      break;
    }
    case DumpKind::kGeometry: {
      std::optional<GeometryTable> t;
      ok = DecodeTracciato(bytes, &t, &reason);
      if (ok && json) DumpTracciatoJson(source, *t, every, listing);
      if (ok && !json) DumpTracciatoText(source, *t, every, listing);
      break;
    }
  }
  if (!ok) {
    err << "percorso: " << path << ": " << reason << "\n";
    return false;
  }
  *text = std::move(listing).str();
  return true;
}

}  // namespace

int RunDump(CommandContext& ctx) {
  ParsedOptions o;
  std::string message;
  if (!o.Parse(ctx.args, {"--every"}, {"--json"}, &message)) return UsageError(ctx, message);
  const std::vector<std::string>& files = o.positional();
  if (files.empty()) return UsageError(ctx, "dump needs at least one FILE");
  int64_t every = 1;
  if (std::optional<std::string> text = o.Value("--every"); text && !ParseEvery(*text, &every)) {
    return UsageError(ctx, "--every needs a whole number of metres, 1 or more: " + *text);
  }
  std::vector<DumpKind> kinds;
  for (const std::string& f : files) {
    std::optional<DumpKind> kind = DumpKindOfName(f);
    if (!kind) {
      return UsageError(ctx, f + ": cannot tell the kind of file by its name "
                                 "(a cell file ends in .dat, a table file in .sim, "
                                 "a geometry file in _linea.dat)");
    }
    kinds.push_back(*kind);
  }
  bool json = o.Flag("--json");
  // Several files in JSON make one array, so the whole output stays one value.
  bool array = json && files.size() > 1;
  if (array) ctx.out << "[\n";
  bool all_ok = true;
  bool first_listed = true;
  for (size_t i = 0; i < files.size(); ++i) {
    // A refused file prints nothing on standard output.
    std::string one;
    if (!DumpOne(ctx.disk, files[i], kinds[i], json, every, &one, ctx.err)) {
      all_ok = false;
      continue;
    }
    if (!first_listed) ctx.out << (array ? "," : "\n");
    ctx.out << one;
    first_listed = false;
  }
  if (array) ctx.out << "]\n";
  return all_ok ? kExitOk : kExitFailure;
}

}  // namespace percorso
