#include "driver/diagnostics_out.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <map>
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

// A source line as the console shows it: UTF-8, control characters but the
// tab as '?', so that no byte of a file can command the terminal.
std::string Shown(std::string_view bytes) {
  std::string text = ValidUtf8(bytes);
  for (char& c : text) {
    if ((static_cast<unsigned char>(c) < 32 && c != '\t') || c == 127) c = '?';
  }
  return text;
}

// The source line of `where` and a caret under its column, as GCC shows
// them; empty when the line is not known. A long line is shown as a window
// around the column, so that a line of megabytes is not printed whole.
std::string Quote(const SourceLocation& where, SourceLines& lines, bool colour) {
  if (!where.known()) return "";
  std::optional<std::string_view> line = lines.Line(where.file, where.line);
  if (!line) return "";
  constexpr size_t kWindow = 240;
  size_t column = std::min(line->size(), static_cast<size_t>(where.column - 1));
  std::string_view shown = *line;
  std::string lead, trail;
  if (shown.size() > kWindow) {
    const size_t from = column > kWindow / 2 ? column - kWindow / 2 : 0;
    if (from > 0) lead = "...";
    if (from + kWindow < shown.size()) trail = "...";
    shown = shown.substr(from, kWindow);
    column -= from;
  }
  std::string number = std::to_string(where.line);
  if (number.size() < 5) number.insert(0, 5 - number.size(), ' ');
  // The caret stands under the column's character: a tab stays a tab, every
  // other character before it is a blank.
  std::string before = lead + Shown(shown.substr(0, column));
  std::string pad;
  for (char c : before) {
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;
    pad += c == '\t' ? '\t' : ' ';
  }
  std::string caret = colour ? std::string(kGreen) + "^" + std::string(kReset) : "^";
  return number + " | " + lead + Shown(shown) + trail + "\n" + std::string(number.size(), ' ') +
         " | " + pad + caret + "\n";
}

// The place of a note: its own, or its diagnostic's.
const SourceLocation& NotePlace(const Diagnostic& d, const Note& n) {
  return n.where.file.empty() ? d.where : n.where;
}

std::string JsonPlace(const SourceLocation& where) {
  std::string out;
  if (!where.file.empty()) out += "\"file\":" + JsonQuote(ValidUtf8(where.file)) + ",";
  if (where.known()) {
    out += "\"line\":" + std::to_string(where.line) +
           ",\"column\":" + std::to_string(where.column) + ",";
  }
  return out;
}

void PrintJson(std::ostream& err, const std::vector<const Diagnostic*>& list) {
  err << "[";
  bool first = true;
  for (const Diagnostic* d : list) {
    err << (first ? "\n" : ",\n");
    first = false;
    const bool error = d->severity == Severity::kError;
    err << "{\"kind\":\"" << (error ? "error" : "warning") << "\",";
    if (d->warning) err << "\"name\":" << JsonQuote(Warning(*d->warning).name) << ",";
    err << JsonPlace(d->where);
    if (error && d->stato != 0) {
      err << "\"status\":" << d->stato << ",\"position\":" << d->progressiva_errore << ",";
    }
    err << "\"message\":"
        << JsonQuote(ValidUtf8(d->text.empty() ? std::string(StatusMeaning(d->stato)) : d->text))
        << ",\"notes\":[";
    for (size_t i = 0; i < d->notes.size(); ++i) {
      const Note& n = d->notes[i];
      err << (i == 0 ? "" : ",") << "{\"kind\":\"note\"," << JsonPlace(NotePlace(*d, n))
          << "\"message\":" << JsonQuote(ValidUtf8(n.text)) << "}";
    }
    err << "]}";
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

std::string SarifLocation(const SourceLocation& where) {
  if (where.file.empty()) return "";
  std::string out =
      "\"physicalLocation\":{\"artifactLocation\":{\"uri\":" + JsonQuote(Uri(where.file)) + "}";
  if (where.known()) {
    out += ",\"region\":{\"startLine\":" + std::to_string(where.line) +
           ",\"startColumn\":" + std::to_string(where.column) + "}";
  }
  return out + "}";
}

void PrintSarif(std::ostream& err, const std::vector<const Diagnostic*>& list) {
  err << "{\"$schema\":\"https://json.schemastore.org/sarif-2.1.0.json\",\"version\":\"2.1.0\","
         "\"runs\":[{\"tool\":{\"driver\":{\"name\":\"percorso\",\"version\":\""
      << PERCORSO_VERSION << "\",\"rules\":[";
  bool first = true;
  for (const RuleEntry& w : Rules()) {
    err << (first ? "" : ",") << "\n{\"id\":" << JsonQuote(w.id)
        << ",\"shortDescription\":{\"text\":" << JsonQuote(w.summary) << "}}";
    first = false;
  }
  err << "]}},\"results\":[";
  first = true;
  for (const Diagnostic* d : list) {
    err << (first ? "\n" : ",\n");
    first = false;
    const bool error = d->severity == Severity::kError;
    err << "{";
    if (std::string rule = DiagnosticRule(*d); !rule.empty()) {
      err << "\"ruleId\":" << JsonQuote(rule) << ",";
    }
    err << "\"level\":\"" << (error ? "error" : "warning")
        << "\",\"message\":{\"text\":" << JsonQuote(ValidUtf8(DiagnosticMessage(*d))) << "}";
    if (std::string place = SarifLocation(d->where); !place.empty()) {
      err << ",\"locations\":[{" << place << "}]";
    }
    if (!d->notes.empty()) {
      err << ",\"relatedLocations\":[";
      for (size_t i = 0; i < d->notes.size(); ++i) {
        const Note& n = d->notes[i];
        std::string place = SarifLocation(NotePlace(*d, n));
        err << (i == 0 ? "" : ",") << "{\"id\":" << i << "," << (place.empty() ? "" : place + ",")
            << "\"message\":{\"text\":" << JsonQuote(ValidUtf8(n.text)) << "}}";
      }
      err << "]";
    }
    err << "}";
  }
  err << "\n]}]}\n";
}

}  // namespace

namespace {

std::string FormatWithLines(const Diagnostic& d, bool colour, SourceLines& lines) {
  const bool error = d.severity == Severity::kError;
  std::string text = DiagnosticMessage(d);
  std::string out = error ? Line(d.where, "error", kRed, text, colour)
                          : Line(d.where, "warning", kMagenta, text, colour);
  out += Quote(d.where, lines, colour);
  for (const Note& n : d.notes) {
    // A note without a place of its own stands at its diagnostic's place.
    out += Line(NotePlace(d, n), "note", kCyan, n.text, colour);
    if (!n.where.file.empty()) out += Quote(n.where, lines, colour);
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
      PrintJson(err, shown);
      break;
    case DiagnosticsFormat::kSarif:
      PrintSarif(err, shown);
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
