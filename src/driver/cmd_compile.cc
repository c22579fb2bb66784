// `percorso compile` and `percorso check`: an author's own line and train
// files, compiled and written, or checked in memory.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "compiler/compile.h"
#include "driver/commands.h"
#include "driver/compile_and_write.h"
#include "driver/diagnostics_out.h"
#include "driver/disk_sources.h"
#include "driver/exit_status.h"
#include "driver/options.h"
#include "io/file_names.h"
#include "io/fresh_file.h"
#include "io/platform.h"
#include "model/catalogue.h"
#include "model/fixes.h"

namespace percorso {

int AuthorSources(const CommandContext& ctx, const std::string& command, std::string* line,
                  std::string* train, Scenario* s, bool keys_required, bool standard_input) {
  const ParsedOptions& o = ctx.options;
  std::optional<std::string> given_line = o.Value("--line");
  std::optional<std::string> given_train = o.Value("--train");
  if (!given_line || !given_train) return UsageError(ctx, command + " needs --line and --train");
  if (standard_input && *given_line == "-" && *given_train == "-") {
    return UsageError(ctx, "only one of --line and --train can be - (standard input)");
  }
  for (const std::string* path : {&*given_line, &*given_train}) {
    if (standard_input && *path == "-") continue;
    FileInfo info = ctx.disk.Stat(*path);
    if (info.kind == FileKind::kMissing && !info.error.empty()) {
      return Fail(ctx.err, *path + ": cannot read: " + info.error);
    }
    if (info.kind == FileKind::kMissing) {
      return Fail(
          ctx.err,
          *path + (info.link ? ": no such file (a dangling symbolic link)" : ": no such file"),
          kExitUsage);
    }
    if (info.kind == FileKind::kDirectory) {
      return Fail(ctx.err, *path + ": is a directory, not a source file", kExitUsage);
    }
  }
  std::optional<std::string> line_key = o.Value("--line-key");
  std::optional<std::string> train_key = o.Value("--train-key");
  KeysFromSourceNames(*given_line, *given_train, &line_key, &train_key);
  if (!line_key && keys_required) {
    return UsageError(ctx, "no line key: give --line-key, or name the line file KEY_linea.txt");
  }
  if (!train_key && keys_required) {
    return UsageError(ctx,
                      "no train key: give --train-key, or name the train file LINE_TRAIN-.txt");
  }
  std::string message;
  // A key that is not needed (check without keys) stays empty.
  if ((line_key && !KeyFromCommandLine("line key", *line_key, &s->line_key, &message)) ||
      (train_key && !KeyFromCommandLine("train key", *train_key, &s->train_key, &message))) {
    return UsageError(ctx, message);
  }
  *line = *given_line;
  *train = *given_train;
  return kExitOk;
}

namespace {

/// The style of the diagnostics from -w, -Wno-NAME, --diagnostics-format and
/// --color; false with the reason in `*err`.
bool DiagnosticStyleOf(const CommandContext& ctx, DiagnosticStyle* style, std::string* err) {
  const ParsedOptions& o = ctx.options;
  style->warnings = !o.Flag("-w");
  for (const std::string& w : o.Values("-W")) {
    std::string_view name = w;
    bool off = name.starts_with("no-");
    if (off) name.remove_prefix(3);
    std::optional<WarningId> id = FindWarning(name);
    if (!id) {
      *err = "unknown warning: -W" + w + " ('percorso help " + std::string(ctx.definition.name) +
             "' lists the names)";
      return false;
    }
    if (off) {
      style->disabled.insert(*id);
      style->enabled.erase(*id);
    } else {
      style->disabled.erase(*id);
      style->enabled.insert(*id);
    }
  }
  std::string format = o.Value("--diagnostics-format").value_or("text");
  std::optional<DiagnosticsFormat> f = DiagnosticsFormatNamed(format);
  if (!f) {
    *err = "--diagnostics-format takes text, json or sarif, not '" + format + "'";
    return false;
  }
  style->format = *f;
  std::string colour = o.Value("--color").value_or("auto");
  std::optional<ColourMode> mode = ColourModeNamed(colour);
  if (!mode) {
    *err = "--color takes auto, always or never, not '" + colour + "'";
    return false;
  }
  style->colour = style->format == DiagnosticsFormat::kText && ColourFor(ctx.err, *mode);
  return true;
}

}  // namespace

int RunCompile(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string message;
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  DiagnosticStyle style;
  if (!DiagnosticStyleOf(ctx, &style, &message)) return UsageError(ctx, message);
  std::string line, train;
  Scenario s;
  if (int status = AuthorSources(ctx, "compile", &line, &train, &s); status != kExitOk) {
    return status;
  }
  std::string dir = o.Value("--dir").value_or(".");
  if (!MakeDirectoryFor(ctx, dir)) return kExitFailure;
  FileNames names = ScenarioFileNames(dir, s);
  bool with_geometry = !o.Flag("--no-geometry");
  std::vector<std::string> outputs = {names.sim, names.dat};
  if (with_geometry) outputs.push_back(names.linea_dat);
  if (!CheckFileNames(outputs, &message)) return UsageError(ctx, message);
  // An output that names a source (keys that make its name, a link, a second
  // name of it) would destroy it.
  const std::string inputs[] = {line, train};
  if (!CheckNoOutputIsAnInput(ctx.disk, outputs, inputs, &message)) {
    return Fail(ctx.err, message, kExitUsage);
  }
  // The sources are read before the lock is taken: however slow they are to
  // read, no other run into the directory waits for them.
  DiskSourceFiles sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  sources.ReadAhead();
  // One run at a time writes into a directory; every output is checked before
  // the compile, so that none is replaced when one of them cannot be.
  DirectoryLock lock;
  if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &lock)) return kExitFailure;
  if (!CheckAllReplaceable(ctx.disk, outputs, &message)) return Fail(ctx.err, message);
  if (!CheckNoOutputIsAnInput(ctx.disk, outputs, inputs, &message)) {
    return Fail(ctx.err, message, kExitUsage);
  }
  CompileReport report = CompileAndWrite(s, with_geometry, sources, ctx.disk, names);
  style.sources = &sources.texts();
  style.placeless_file = sources.Name(Source::kTreno);
  const int status = ReportCompile(s, report, ctx.err, style);
  // Silent on success, unless asked to say what was compiled; never inside
  // the JSON or SARIF that a tool reads from standard error.
  if (status == kExitOk && o.Flag("--verbose") && !ctx.quiet &&
      style.format == DiagnosticsFormat::kText) {
    ctx.err << "percorso: compiled " << ReadSummary(report.counts) << "\n";
  }
  return status;
}

namespace {

// The --max-errors value: a whole number from 0 (no limit) up.
std::optional<int> MaxErrors(const ParsedOptions& o) {
  std::string text = o.Value("--max-errors").value_or("20");
  int n = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || n < 0) return std::nullopt;
  return n;
}

}  // namespace

namespace {

// The diagnostics that `style` shows (the fixes of the others are not made).
std::vector<Diagnostic> Shown(const std::vector<Diagnostic>& all, const DiagnosticStyle& style) {
  std::vector<Diagnostic> shown;
  for (const Diagnostic& d : all) {
    if (d.severity == Severity::kWarning &&
        (!style.warnings || (d.warning && !Shows(style, *d.warning)))) {
      continue;
    }
    shown.push_back(d);
  }
  return shown;
}

// Makes the fixes of `diagnostics` in the source files `paths`: each file
// that changes is replaced at once, under the lock of its directory, its old
// bytes kept as FILE~ unless `backup` is false; all of them together or none.
// A file changed since it was read is not touched. False, with the reason
// told on `err`, when the files cannot be replaced.
bool MakeFixes(CommandContext& ctx, const std::vector<std::string>& paths, const SourceTexts& texts,
               const std::vector<Diagnostic>& diagnostics, bool backup, int* fixed) {
  std::vector<std::pair<std::string, std::string>> changed;
  std::vector<int> counts;
  for (const std::string& path : paths) {
    auto found = texts.find(path);
    if (found == texts.end()) continue;
    FixedText f = ApplyFixes(found->second, path, diagnostics);
    if (f.applied == 0 || f.text == found->second) continue;
    *fixed += f.applied;
    counts.push_back(f.applied);
    changed.emplace_back(path, std::move(f.text));
  }
  if (changed.empty()) return true;
  std::vector<DirectoryLock> locks;
  std::vector<std::string> locked;
  for (const auto& [path, text] : changed) {
    std::string dir = DirName(path);
    if (std::find(locked.begin(), locked.end(), dir) != locked.end()) continue;
    locks.emplace_back();
    if (!LockDirectoryOrComplain(ctx, dir, LockMode::kExclusive, &locks.back())) return false;
    locked.push_back(dir);
  }
  FileSet set(ctx.disk);
  std::string err;
  for (const auto& [path, text] : changed) {
    std::string now;
    if (!ctx.disk.ReadFile(path, kMaxSourceSize, &now, &err) || now != texts.find(path)->second) {
      Complain(ctx.err, path + ": changed while it was checked; nothing is fixed");
      return false;
    }
    if ((backup && !set.Add(path + "~", now, &err)) || !set.Add(path, text, &err)) {
      Complain(ctx.err, err);
      return false;
    }
  }
  if (!set.Commit(&err)) {
    Complain(ctx.err, err);
    return false;
  }
  for (size_t i = 0; i < changed.size(); ++i) {
    SayStatus(ctx, changed[i].first + ": " + std::to_string(counts[i]) +
                       (counts[i] == 1 ? " problem fixed" : " problems fixed") +
                       (backup ? " (the old file is " + changed[i].first + "~)" : ""));
  }
  return true;
}

}  // namespace

int RunCheck(CommandContext& ctx) {
  const ParsedOptions& o = ctx.options;
  std::string message;
  if (!o.positional().empty()) return UsageError(ctx, "unexpected argument: " + o.positional()[0]);
  std::optional<int> max_errors = MaxErrors(o);
  if (!max_errors) return UsageError(ctx, "--max-errors takes a whole number, 0 for no limit");
  DiagnosticStyle style;
  if (!DiagnosticStyleOf(ctx, &style, &message)) return UsageError(ctx, message);
  style.max_errors = *max_errors;
  std::string line;
  std::string train;
  Scenario keys;
  if (int status = AuthorSources(ctx, "check", &line, &train, &keys, /*keys_required=*/false,
                                 /*standard_input=*/true);
      status != kExitOk) {
    return status;
  }
  const bool fix = o.Flag("--fix");
  if (fix && (line == "-" || train == "-")) {
    return UsageError(ctx, "--fix changes files: a source cannot be - (standard input)");
  }
  if (o.Flag("--no-backup") && !fix) return UsageError(ctx, "--no-backup goes with --fix");
  DiskSourceFiles first_sources(ctx.disk, line, train, /*delete_after_reading=*/false);
  if (line == "-" || train == "-") {
    std::string bytes;
    if (!ReadStandardInput(ctx, kMaxSourceSize, &bytes)) return kExitFailure;
    first_sources.SetStandardInput(std::move(bytes));
  }
  CompileOutcome outcome =
      CheckScenario(keys.line_key, keys.train_key, !o.Flag("--no-geometry"), first_sources);
  if (!outcome.io_error.empty()) return Fail(ctx.err, outcome.io_error);
  // With --fix the fixes are made and the files read and checked afresh.
  std::optional<DiskSourceFiles> fixed_sources;
  if (fix) {
    int fixed = 0;
    if (!MakeFixes(ctx, {line, train}, first_sources.texts(), Shown(outcome.diagnostics, style),
                   !o.Flag("--no-backup"), &fixed)) {
      return kExitFailure;
    }
    if (fixed > 0) {
      fixed_sources.emplace(ctx.disk, line, train, /*delete_after_reading=*/false);
      outcome =
          CheckScenario(keys.line_key, keys.train_key, !o.Flag("--no-geometry"), *fixed_sources);
      if (!outcome.io_error.empty()) return Fail(ctx.err, outcome.io_error);
    }
  }
  DiskSourceFiles& sources = fixed_sources ? *fixed_sources : first_sources;
  // As the compile would say it: the fatal report first.
  if (outcome.fatal != 0 && style.format == DiagnosticsFormat::kText) {
    ctx.err << errore(std::to_string(outcome.fatal)) << "\n";
  }
  style.sources = &sources.texts();
  style.placeless_file = sources.Name(Source::kTreno);
  PrintedCounts counts = PrintDiagnostics(ctx.err, outcome.diagnostics, style);
  if (!counts.written) return kExitFailure;
  if (counts.errors > 0 || outcome.fatal != 0) return kExitStatus;
  if (o.Flag("--strict") && counts.warnings > 0) return kExitStatus;
  // A clean check says what it read, so that success is never silent.
  ctx.out << "percorso: no error";
  if (counts.warnings > 0) {
    ctx.out << " (" << counts.warnings << (counts.warnings == 1 ? " warning" : " warnings") << ")";
  }
  ctx.out << ": " << ReadSummary(outcome.counts) << "\n";
  return kExitOk;
}

}  // namespace percorso
