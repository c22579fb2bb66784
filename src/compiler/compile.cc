#include "compiler/compile.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "compiler/line_file.h"
#include "compiler/parse_session.h"
#include "compiler/placement.h"
#include "compiler/post_pass.h"
#include "compiler/train_file.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

// The located error behind a fatal header error: the entry that put a
// feature on cell 1.
Diagnostic FatalCause(int fatal, const std::optional<Note>& header_cell) {
  const char* member = fatal == kFatalHeaderTaken ? "dato1" : "dato2";
  Diagnostic d;
  std::string what = header_cell ? "this '" + Utf8FromWindows1252(header_cell->text) +
                                       "' entry puts its feature on cell 1"
                                 : "a feature lies on cell 1";
  if (header_cell) d.where = header_cell->where;
  d.text = what + ", whose `" + member + "` holds the scenario's header " +
           (fatal == kFatalHeaderTaken ? "value 5121" : "check code") +
           ": the header cannot be stamped, so nothing is written (Errore n. " +
           std::to_string(fatal) + ")";
  d.notes.push_back(Note{{},
                         "a feature lies in cell round(position / 50 + 1): positions from "
                         "-25 to 25 m fall on cell 1 (for a cut-off point, round(position / "
                         "50): 25 to 75 m); move it past 75 m"});
  return d;
}

Diagnostic NoRouteLength(const std::string& line_file) {
  Diagnostic d;
  d.where = SourceLocation{line_file, 0, 0};
  d.text = "no route length: nothing to compile";
  d.notes.push_back(Note{{},
                         "the header after '[generale]' needs a line such as "
                         "'lunghezza percorso, 97000' before its first section name"});
  return d;
}

// The errors that a compile reports, in the order to report them.
std::vector<Diagnostic> CompileErrors(const Scenario& s, const CompileOutcome& outcome,
                                      const ParseFindings& findings, SourceFiles& files) {
  std::vector<Diagnostic> errors;
  if (outcome.fatal != 0) errors.push_back(FatalCause(outcome.fatal, findings.header_cell));
  if (findings.no_route_length) {
    errors.push_back(NoRouteLength(files.Name(Source::kLinea)));
  } else if (s.diagnostic.stato != 0) {
    errors.push_back(s.diagnostic);
    if (!outcome.has_route) {
      errors.back().notes.push_back(Note{{}, "no route was compiled; nothing is written"});
    }
  }
  return errors;
}

// Sorts diagnostics by file (the line file, the train file, then none), line
// and column, keeping the order of equals.
void SortByPlace(std::vector<Diagnostic>& list, SourceFiles& files) {
  const std::string linea = files.Name(Source::kLinea);
  const std::string treno = files.Name(Source::kTreno);
  auto rank = [&](const Diagnostic& d) {
    int file = d.where.file == linea ? 0 : d.where.file == treno ? 1 : 2;
    return std::tuple(file, d.where.line, d.where.column);
  };
  std::stable_sort(list.begin(), list.end(),
                   [&](const Diagnostic& a, const Diagnostic& b) { return rank(a) < rank(b); });
}

CompileOutcome Compile(Scenario& s, bool with_geometry, SourceFiles& files, bool recover,
                       ParseFindings* findings, std::vector<SourceEntry>* records = nullptr) {
  s.j = with_geometry ? 1 : 0;
  s.diagnostic = Diagnostic{};
  s.raised.clear();
  s.celle.clear();
  s.tracciato.reset();
  clear_voci(s);

  CompileOutcome outcome;
  *findings = memorizza_dati(s, files, recover, records);
  outcome.io_error = findings->io_error;
  outcome.counts = findings->counts;
  outcome.has_route = s.has_celle();
  if (outcome.has_route) outcome.fatal = post_pass(s, &findings->owners);
  return outcome;
}

// The source files of a check, each read once for both of its parses: the
// second parse reads the very bytes of the first. Once the last parse begins,
// a kept text is handed over rather than copied.
class KeptSourceFiles : public SourceFiles {
 public:
  explicit KeptSourceFiles(SourceFiles& files) : files_(files) {}

  std::string Name(Source which) const override { return files_.Name(which); }
  bool Exists(Source which) override { return files_.Exists(which); }
  SourceText Read(Source which) override {
    std::optional<SourceText>& kept = kept_[which == Source::kLinea ? 0 : 1];
    if (!kept) {
      if (last_parse_) return files_.Read(which);
      kept = files_.Read(which);
      return *kept;
    }
    if (!last_parse_) return *kept;
    SourceText text = std::move(*kept);
    kept.reset();
    return text;
  }
  bool Delete(Source which, std::string* error) override { return files_.Delete(which, error); }

  /// The next parse is the last one: a kept text goes to it.
  void LastParse() { last_parse_ = true; }

 private:
  SourceFiles& files_;
  std::optional<SourceText> kept_[2];
  bool last_parse_ = false;
};

// Two errors that say the same.
bool SameError(const Diagnostic& a, const Diagnostic& b) {
  return a.stato == b.stato && a.where == b.where && a.text == b.text;
}

}  // namespace

ParseFindings memorizza_dati(Scenario& s, SourceFiles& files, bool recover,
                             std::vector<SourceEntry>* records) {
  s.voci[kVoceLinea].nome = s.line_key;
  s.voci[kVoceChiaveTreno].nome = s.train_key;
  ParseSession p(s, files, recover, records);
  if (ReadLineFile(p) != Flow::kStop) ReadTrainFile(p);
  // Every stretch placed, read to the end or not, is on the cells.
  DrawStretches(s, p.stretches());
  return p.TakeFindings();
}

CompileOutcome memorizza_percorso(Scenario& s, bool with_geometry, SourceFiles& files,
                                  std::vector<SourceEntry>* records) {
  ParseFindings findings;
  CompileOutcome outcome = Compile(s, with_geometry, files, /*recover=*/false, &findings, records);
  outcome.diagnostics = CompileErrors(s, outcome, findings, files);
  SortByPlace(findings.warnings, files);
  for (Diagnostic& w : findings.warnings) outcome.diagnostics.push_back(std::move(w));
  return outcome;
}

CompileOutcome CheckScenario(const std::string& line_key, const std::string& train_key,
                             bool with_geometry, SourceFiles& files) {
  KeptSourceFiles kept(files);
  Scenario exact;
  exact.line_key = line_key;
  exact.train_key = train_key;
  ParseFindings first;
  CompileOutcome outcome = Compile(exact, with_geometry, kept, /*recover=*/false, &first);
  outcome.diagnostics = CompileErrors(exact, outcome, first, kept);

  Scenario all;
  all.line_key = line_key;
  all.train_key = train_key;
  ParseFindings found;
  kept.LastParse();
  CompileOutcome rest = Compile(all, with_geometry, kept, /*recover=*/true, &found);
  if (outcome.io_error.empty()) outcome.io_error = rest.io_error;
  // What was read, as the check's full parse read it.
  outcome.counts = rest.counts;
  std::vector<Diagnostic> more = std::move(found.errors);
  // The post-pass of the full model raises its own statuses.
  for (Diagnostic& d : all.raised) more.push_back(std::move(d));
  if (rest.fatal != 0) more.push_back(FatalCause(rest.fatal, found.header_cell));
  // An error the compile reported already is told once; what the full parse
  // adds to it (the entries past the end it stands for) joins its notes.
  std::erase_if(more, [&](const Diagnostic& d) {
    auto same = std::find_if(outcome.diagnostics.begin(), outcome.diagnostics.end(),
                             [&](const Diagnostic& e) { return SameError(d, e); });
    if (same == outcome.diagnostics.end()) return false;
    for (const Note& n : d.notes) {
      if (std::find(same->notes.begin(), same->notes.end(), n) == same->notes.end()) {
        same->notes.push_back(n);
      }
    }
    return true;
  });
  for (Diagnostic& w : found.warnings) more.push_back(std::move(w));
  SortByPlace(more, kept);
  for (Diagnostic& d : more) outcome.diagnostics.push_back(std::move(d));
  return outcome;
}

}  // namespace percorso
