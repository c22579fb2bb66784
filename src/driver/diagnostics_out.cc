#include "driver/diagnostics_out.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <vector>

#include "driver/shown_text.h"
#include "inspect/text_out.h"
#include "io/platform.h"
#include "model/catalogue.h"
#include "model/status.h"

namespace percorso {
namespace {

// GCC's colours: the place in bold, the kind in its own colour.
constexpr std::string_view kBold = "\033[01m\033[K";
constexpr std::string_view kRed = "\033[01;31m\033[K";
constexpr std::string_view kMagenta = "\033[01;35m\033[K";
constexpr std::string_view kCyan = "\033[01;36m\033[K";
constexpr std::string_view kGreen = "\033[01;32m\033[K";
constexpr std::string_view kReset = "\033[m\033[K";

std::string Place(const SourceLocation& where) {
  if (where.file.empty()) return "percorso:";
  return EscapeControls(DiagnosticPlace(where)) + ":";
}

std::string Line(const SourceLocation& where, std::string_view kind, std::string_view colour,
                 const std::string& raw_text, bool coloured) {
  const std::string text = EscapeControls(raw_text);
  if (!coloured) return Place(where) + " " + std::string(kind) + ": " + text + "\n";
  return std::string(kBold) + Place(where) + std::string(kReset) + " " + std::string(colour) +
         std::string(kind) + ":" + std::string(kReset) + " " + text + "\n";
}

// The lines of the source texts, each text's line starts found once: a
// source with many diagnostics is not scanned again for each.
class SourceLines {
 public:
  explicit SourceLines(const SourceTexts* sources) : sources_(sources) {}

  /// Line `number` (from 1) of `file`, without its line end; nothing past the
  /// end or for a file not held.
  std::optional<std::string_view> Line(const std::string& file, int number) {
    if (sources_ == nullptr || number < 1) return std::nullopt;
    auto found = sources_->find(file);
    if (found == sources_->end()) return std::nullopt;
    const std::string_view text = found->second;
    std::vector<size_t>& starts = starts_[found->first];
    if (starts.empty()) {
      starts.push_back(0);
      for (size_t at = text.find('\n'); at != std::string_view::npos;
           at = text.find('\n', at + 1)) {
        starts.push_back(at + 1);
      }
    }
    if (static_cast<size_t>(number) > starts.size()) return std::nullopt;
    const size_t start = starts[static_cast<size_t>(number) - 1];
    if (start == text.size() && number > 1) return std::nullopt;
    std::string_view line = text.substr(start, text.find('\n', start) - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
  }

 private:
  const SourceTexts* sources_;
  std::map<std::string, std::vector<size_t>, std::less<>> starts_;
};

// A source text as the console shows it: UTF-8, control characters but the
// tab as '?', so that no byte of a file can command the terminal; tabs
// expanded to spaces as compilers show them, from display column `*at` (from
// 0), which is moved on past the text.
std::string Shown(std::string_view bytes, int* at) {
  constexpr int kTabStop = 8;
  std::string text = ValidUtf8(bytes);
  std::string out;
  for (char c : text) {
    if (c == '\t') {
      const int next = (*at / kTabStop + 1) * kTabStop;
      out.append(static_cast<size_t>(next - *at), ' ');
      *at = next;
      continue;
    }
    if ((static_cast<unsigned char>(c) < 32) || c == 127) c = '?';
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++*at;
    out += c;
  }
  return out;
}

std::string Coloured(std::string text, std::string_view colour, bool coloured) {
  if (!coloured || text.empty()) return text;
  return std::string(colour) + text + std::string(kReset);
}

// The source line of `where` with the field it spans underlined ("^~~~"),
// and under it each fix on that line as a compiler prints a fix-it hint (the
// new text at the column it goes to; a removal as '-' under what it
// removes); empty when the line is not known. A long line is shown as a
// window around the column, so that a line of megabytes is not printed whole.
std::string Quote(const SourceLocation& where, SourceLines& lines, bool colour,
                  const std::vector<Fix>& fixes = {}) {
  if (!where.known()) return "";
  std::optional<std::string_view> line = lines.Line(where.file, where.line);
  if (!line) return "";
  constexpr size_t kWindow = 240;
  const size_t column = std::min(line->size(), static_cast<size_t>(std::max(where.column, 1) - 1));
  size_t from = 0;
  std::string lead, trail;
  std::string_view shown = *line;
  if (shown.size() > kWindow) {
    from = column > kWindow / 2 ? column - kWindow / 2 : 0;
    if (from > 0) lead = "...";
    if (from + kWindow < shown.size()) trail = "...";
    shown = shown.substr(from, kWindow);
  }
  // The display column (from 0, after the lead) of byte `at` of the line.
  auto display = [&](size_t at) {
    int d = 0;
    Shown(shown.substr(0, std::min(at > from ? at - from : 0, shown.size())), &d);
    return static_cast<int>(lead.size()) + d;
  };
  std::string number = std::to_string(where.line);
  if (number.size() < 5) number.insert(0, 5 - number.size(), ' ');
  const std::string margin = std::string(number.size(), ' ') + " | ";
  int ignored = 0;
  std::string out = number + " | " + lead + Shown(shown, &ignored) + trail + "\n";
  const size_t last = std::min(line->size(), static_cast<size_t>(where.last_column()));
  const int start = display(column);
  const int stop = std::max(display(last), start + 1);
  std::string mark = "^" + std::string(static_cast<size_t>(stop - start - 1), '~');
  out +=
      margin + std::string(static_cast<size_t>(start), ' ') + Coloured(mark, kGreen, colour) + "\n";
  for (const Fix& f : fixes) {
    if (f.range.file != where.file || f.range.line != where.line) continue;
    const size_t first = static_cast<size_t>(std::max(f.range.column, 1) - 1);
    if (first < from || first > from + shown.size()) continue;
    const int at = display(first);
    std::string hint;
    if (f.replacement.empty()) {
      const int end = display(static_cast<size_t>(std::max(f.range.end_column, f.range.column)));
      hint = std::string(static_cast<size_t>(std::max(end - at, 1)), '-');
    } else {
      int d = 0;
      // A new line that the fix begins is shown by its text.
      std::string_view text = f.replacement;
      text.remove_prefix(std::min(text.find_first_not_of("\r\n"), text.size()));
      hint = Shown(text.substr(0, text.find_first_of("\r\n")), &d);
    }
    out +=
        margin + std::string(static_cast<size_t>(at), ' ') + Coloured(hint, kGreen, colour) + "\n";
  }
  return out;
}

// The place of a note: its own, or its diagnostic's.
const SourceLocation& NotePlace(const Diagnostic& d, const Note& n) {
  return n.where.file.empty() ? d.where : n.where;
}

using Json = nlohmann::ordered_json;

void JsonPlace(Json& j, const SourceLocation& where) {
  if (!where.file.empty()) j["file"] = ValidUtf8(where.file);
  if (where.known()) {
    j["line"] = where.line;
    j["column"] = where.column;
    j["endColumn"] = where.last_column();
  }
}

Json JsonFixes(const std::vector<Fix>& fixes) {
  Json list = Json::array();
  for (const Fix& f : fixes) {
    Json j;
    JsonPlace(j, f.range);
    j["endColumn"] = f.range.end_column;
    j["replacement"] = ValidUtf8(f.replacement);
    j["title"] = ValidUtf8(f.title);
    list.push_back(std::move(j));
  }
  return list;
}

void PrintJson(std::ostream& err, const std::vector<const Diagnostic*>& list) {
  err << "[";
  bool first = true;
  for (const Diagnostic* d : list) {
    err << (first ? "\n" : ",\n");
    first = false;
    const bool error = d->severity == Severity::kError;
    Json j;
    j["kind"] = error ? "error" : "warning";
    if (d->warning) j["name"] = Warning(*d->warning).name;
    JsonPlace(j, d->where);
    if (error && d->stato != 0) {
      j["status"] = d->stato;
      j["position"] = d->progressiva_errore;
    }
    j["message"] = ValidUtf8(d->text.empty() ? std::string(StatusMeaning(d->stato)) : d->text);
    Json notes = Json::array();
    for (const Note& n : d->notes) {
      Json note;
      note["kind"] = "note";
      JsonPlace(note, NotePlace(*d, n));
      note["message"] = ValidUtf8(n.text);
      notes.push_back(std::move(note));
    }
    j["notes"] = std::move(notes);
    if (!d->fixes.empty()) j["fixes"] = JsonFixes(d->fixes);
    err << j.dump();
  }
  err << "\n]\n";
}

// A file name as a URI reference: "/" for every separator, bytes outside the
// unreserved characters percent-encoded, a drive letter after "file:///".
std::string Uri(const std::string& path) {
  std::string utf8 = ValidUtf8(path);
  std::string out;
  if (utf8.size() >= 2 && utf8[1] == ':' && std::isalpha(static_cast<unsigned char>(utf8[0]))) {
    out = "file:///" + utf8.substr(0, 2);
    utf8 = utf8.substr(2);
  }
  constexpr char kHex[] = "0123456789ABCDEF";
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch == '\\' ? '/' : ch);
    if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
      out += static_cast<char>(c);
    } else {
      out += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return out;
}

// SARIF's region of a place: its columns are characters of the source, one
// byte each in Windows-1252, and `endColumn` is one past the last.
Json SarifRegion(const SourceLocation& where, bool insertion = false) {
  Json region;
  region["startLine"] = where.line;
  region["startColumn"] = where.column;
  region["endColumn"] = insertion ? where.column : where.last_column() + 1;
  return region;
}

Json SarifLocation(const SourceLocation& where) {
  Json physical;
  physical["artifactLocation"]["uri"] = Uri(where.file);
  if (where.known()) physical["region"] = SarifRegion(where);
  return physical;
}

void PrintSarif(std::ostream& err, const std::vector<const Diagnostic*>& list) {
  Json log;
  log["$schema"] = "https://json.schemastore.org/sarif-2.1.0.json";
  log["version"] = "2.1.0";
  Json run;
  run["tool"]["driver"]["name"] = "percorso";
  run["tool"]["driver"]["version"] = PERCORSO_VERSION;
  Json rules = Json::array();
  std::map<std::string, size_t, std::less<>> rule_index;
  for (const RuleEntry& r : Rules()) {
    rule_index.emplace(r.id, rules.size());
    Json rule;
    rule["id"] = r.id;
    rule["shortDescription"]["text"] = std::string(r.summary);
    rule["help"]["text"] = "docs/format.md, section " + std::string(r.docs);
    rules.push_back(std::move(rule));
  }
  run["tool"]["driver"]["rules"] = std::move(rules);
  // SARIF columns count Unicode characters; a byte of a source is one.
  run["columnKind"] = "unicodeCodePoints";
  Json results = Json::array();
  for (const Diagnostic* d : list) {
    const bool error = d->severity == Severity::kError;
    Json result;
    if (std::string rule = DiagnosticRule(*d); !rule.empty()) {
      result["ruleId"] = rule;
      if (auto found = rule_index.find(rule); found != rule_index.end()) {
        result["ruleIndex"] = found->second;
      }
    }
    result["level"] = error ? "error" : "warning";
    result["message"]["text"] = ValidUtf8(DiagnosticMessage(*d));
    if (!d->where.file.empty()) {
      result["locations"] = Json::array({{{"physicalLocation", SarifLocation(d->where)}}});
    }
    if (!d->notes.empty()) {
      Json related = Json::array();
      for (size_t i = 0; i < d->notes.size(); ++i) {
        const Note& n = d->notes[i];
        Json r;
        r["id"] = i;
        const SourceLocation& place = NotePlace(*d, n);
        if (!place.file.empty()) r["physicalLocation"] = SarifLocation(place);
        r["message"]["text"] = ValidUtf8(n.text);
        related.push_back(std::move(r));
      }
      result["relatedLocations"] = std::move(related);
    }
    if (!d->fixes.empty()) {
      // The fixes of one diagnostic are applied together: one SARIF fix,
      // its changes grouped by file.
      Json fix;
      fix["description"]["text"] = ValidUtf8(d->fixes.front().title);
      Json changes = Json::array();
      for (const Fix& f : d->fixes) {
        Json replacement;
        replacement["deletedRegion"] = SarifRegion(f.range, f.range.end_column < f.range.column);
        replacement["insertedContent"]["text"] = ValidUtf8(f.replacement);
        Json* change = nullptr;
        for (Json& c : changes) {
          if (c["artifactLocation"]["uri"] == Uri(f.range.file)) change = &c;
        }
        if (change == nullptr) {
          Json c;
          c["artifactLocation"]["uri"] = Uri(f.range.file);
          c["replacements"] = Json::array();
          changes.push_back(std::move(c));
          change = &changes.back();
        }
        (*change)["replacements"].push_back(std::move(replacement));
      }
      fix["artifactChanges"] = std::move(changes);
      result["fixes"] = Json::array({std::move(fix)});
    }
    results.push_back(std::move(result));
  }
  run["results"] = std::move(results);
  log["runs"] = Json::array({std::move(run)});
  err << log.dump() << "\n";
}

}  // namespace

namespace {

std::string FormatWithLines(const Diagnostic& d, bool colour, SourceLines& lines) {
  const bool error = d.severity == Severity::kError;
  std::string text = DiagnosticMessage(d);
  std::string out = error ? Line(d.where, "error", kRed, text, colour)
                          : Line(d.where, "warning", kMagenta, text, colour);
  out += Quote(d.where, lines, colour, d.fixes);
  for (const Note& n : d.notes) {
    // A note without a place of its own stands at its diagnostic's place.
    out += Line(NotePlace(d, n), "note", kCyan, n.text, colour);
    if (!n.where.file.empty()) out += Quote(n.where, lines, colour, d.fixes);
  }
  return out;
}

}  // namespace

std::string FormatDiagnostic(const Diagnostic& d, bool colour, const SourceTexts* sources) {
  SourceLines lines(sources);
  return FormatWithLines(d, colour, lines);
}

PrintedCounts PrintDiagnostics(std::ostream& err, const std::vector<Diagnostic>& list,
                               const DiagnosticStyle& style) {
  PrintedCounts counts;
  // A diagnostic without a place (one the post-pass raised) stands at the
  // whole file it is about, so that every message carries a file.
  std::vector<Diagnostic> placed;
  const std::vector<Diagnostic>* all = &list;
  if (!style.placeless_file.empty()) {
    placed = list;
    for (Diagnostic& d : placed) {
      if (d.where.file.empty()) d.where = SourceLocation{style.placeless_file, 0, 0};
    }
    all = &placed;
  }
  std::vector<const Diagnostic*> shown;
  bool too_many = false;
  for (const Diagnostic& d : *all) {
    if (d.severity == Severity::kWarning) {
      if (!style.warnings || (d.warning && !Shows(style, *d.warning))) continue;
      ++counts.warnings;
    } else if (style.max_errors > 0 && counts.errors == style.max_errors) {
      too_many = true;
      break;
    } else {
      ++counts.errors;
    }
    shown.push_back(&d);
  }
  switch (style.format) {
    case DiagnosticsFormat::kJson:
    case DiagnosticsFormat::kSarif:
      if (style.format == DiagnosticsFormat::kJson) {
        PrintJson(err, shown);
      } else {
        PrintSarif(err, shown);
      }
      // What a tool reads must have arrived.
      err.flush();
      counts.written = !err.fail();
      break;
    case DiagnosticsFormat::kText: {
      SourceLines lines(style.sources);
      for (const Diagnostic* d : shown) err << FormatWithLines(*d, style.colour, lines);
    }
      if (too_many) {
        err << "percorso: too many errors: the first " << style.max_errors
            << " are shown (--max-errors)\n";
      }
      break;
  }
  return counts;
}

bool Shows(const DiagnosticStyle& style, WarningId id) {
  if (style.disabled.contains(id)) return false;
  return Warning(id).on_by_default || style.enabled.contains(id);
}

std::optional<DiagnosticsFormat> DiagnosticsFormatNamed(std::string_view name) {
  if (name == "text") return DiagnosticsFormat::kText;
  if (name == "json") return DiagnosticsFormat::kJson;
  if (name == "sarif") return DiagnosticsFormat::kSarif;
  return std::nullopt;
}

std::optional<ColourMode> ColourModeNamed(std::string_view name) {
  if (name == "auto") return ColourMode::kAuto;
  if (name == "always") return ColourMode::kAlways;
  if (name == "never") return ColourMode::kNever;
  return std::nullopt;
}

bool ColourFor(const std::ostream& err, ColourMode mode) {
  if (mode != ColourMode::kAuto) return mode == ColourMode::kAlways;
  const char* no_colour = std::getenv("NO_COLOR");
  if (no_colour != nullptr && *no_colour != '\0') return false;
  const char* term = std::getenv("TERM");
  if (term != nullptr && std::string_view(term) == "dumb") return false;
  return &err == &std::cerr && StandardErrorIsTerminal();
}

}  // namespace percorso
