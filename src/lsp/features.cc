#include "lsp/features.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "inspect/text_out.h"
#include "model/diagnostic.h"
#include "model/grammar.h"
#include "model/rounding.h"
#include "model/status.h"
#include "model/windows1252.h"

namespace percorso {
namespace {

using nlohmann::json;

constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;
constexpr int kSymbolNamespace = 3;
constexpr int kSymbolObject = 19;
constexpr int kCompletionKeyword = 14;
constexpr int kCompletionModule = 9;
constexpr int kInlayHintType = 1;

json Position(EditorPosition p) {
  return {{"line", p.line}, {"character", p.character}};
}

json Range(EditorPosition a, EditorPosition b) {
  return {{"start", Position(a)}, {"end", Position(b)}};
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

/// One field of a line: its byte range in the line's UTF-8 text.
struct FieldSpan {
  size_t begin = 0, end = 0;
};

/// The keyword field of a line and the value fields after it, as the reader
/// splits them: at commas, and numbers also at blanks; the last field of a
/// keyword whose last field is a text runs to the next comma.
std::vector<FieldSpan> SplitFields(std::string_view line, const KeywordRule* k) {
  std::vector<FieldSpan> fields;
  size_t i = 0;
  while (i < line.size() && IsBlank(line[i])) ++i;
  size_t comma = line.find(',', i);
  fields.push_back({i, comma == std::string_view::npos ? line.size() : comma});
  if (comma == std::string_view::npos) return fields;
  i = comma + 1;
  while (i <= line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const bool text = k != nullptr && fields.size() <= k->fields.size() &&
                      k->fields[fields.size() - 1].kind == FieldKind::kText;
    size_t end = i;
    if (end < line.size() && line[end] == '"') {
      size_t close = line.find('"', end + 1);
      end = close == std::string_view::npos ? line.size() : close + 1;
    } else {
      while (end < line.size() && line[end] != ',' && (text || !IsBlank(line[end]))) ++end;
    }
    fields.push_back({i, end});
    if (end >= line.size()) break;
    i = end;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i < line.size() && line[i] == ',') ++i;
    if (i >= line.size()) {
      // A comma at the end starts one more (empty) field.
      if (line.back() == ',') fields.push_back({line.size(), line.size()});
      break;
    }
  }
  return fields;
}

/// Which grammar reads line `line` of a file: the train file's, or the line
/// file's header (up to its first section after "[generale]") or body.
Grammar PlaceOfLine(const Document& doc, bool line_file, int line) {
  if (!line_file) return Grammar::kTrain;
  bool in_header = false;
  for (int i = 0; i < doc.line_count() && i <= line; ++i) {
    std::string_view t = doc.Line(i);
    if (!in_header) {
      if (ContainsIgnoringCase(t, "[generale]")) in_header = true;
      continue;
    }
    size_t start = t.find_first_not_of(" \t");
    std::string_view field = start == std::string_view::npos ? "" : t.substr(start);
    field = field.substr(0, field.find(','));
    if (i < line && !field.empty() && field[0] != '-' &&
        field.find('[') != std::string_view::npos && field.find(']') != std::string_view::npos) {
      return Grammar::kLineBody;
    }
  }
  return in_header ? Grammar::kLineHeader : Grammar::kLineBody;
}

/// The keyword of `place` that a keyword field holds, as the grammar finds
/// it (the first test that matches), or nullptr.
const KeywordRule* KeywordOfField(std::string_view field, Grammar place) {
  for (const KeywordRule& k : KeywordsOf(place)) {
    if (Matches(k, field)) return &k;
  }
  return nullptr;
}

/// The keyword of a line and where the cursor is among its fields.
struct LineAt {
  const KeywordRule* keyword = nullptr;
  std::vector<FieldSpan> fields;
  /// The field under the cursor: 0 the keyword field, 1 the first value.
  size_t field = 0;
};

LineAt ReadLineAt(const Workspace& ws, const Document& doc, const std::string& path,
                  EditorPosition at) {
  LineAt r;
  std::string_view line = doc.Line(at.line);
  const bool line_file = ws.RoleOf(path) == SourceRole::kLine;
  std::vector<FieldSpan> first = SplitFields(line, nullptr);
  std::string_view keyword_field = line.substr(first[0].begin, first[0].end - first[0].begin);
  // The grammar tests the code page's bytes; the keywords are plain ASCII.
  r.keyword =
      KeywordOfField(Windows1252FromUtf8(keyword_field).value_or(std::string(keyword_field)),
                     PlaceOfLine(doc, line_file, at.line));
  r.fields = SplitFields(line, r.keyword);
  const size_t byte = static_cast<size_t>(doc.ToColumn(at) - 1);
  // The cursor belongs to the last field that starts at or before it, past
  // the comma that ends the one before.
  for (size_t i = 0; i < r.fields.size(); ++i) {
    size_t start = i == 0 ? 0 : r.fields[i - 1].end + 1;
    if (byte >= start) r.field = i;
  }
  return r;
}

std::string FieldLine(const FieldRule& f) {
  std::string s = "`" + std::string(f.name) + "`";
  if (!f.unit.empty()) s += " (" + std::string(f.unit) + ")";
  if (!f.odd.empty()) s += ": " + std::string(f.odd);
  return s;
}

std::string Signature(const KeywordRule& k) {
  std::string s(k.written);
  for (const FieldRule& f : k.fields) s += ", " + std::string(f.name);
  return s;
}

/// The cell that an entry's position names.
int64_t CellOfEntry(const SourceEntry& e) {
  const int64_t p = e.numbers.empty() ? 0 : e.numbers[0];
  // A cut-off stands one cell before a feature at its position.
  if (e.kind == EntryKind::kCutOff) return nearest(static_cast<double>(p) / 50.0);
  return cell_of(p);
}

bool IsPositioned(const SourceEntry& e) {
  return e.kind != EntryKind::kTrainValue && !e.numbers.empty();
}

std::string Landing(const SourceEntry& e) {
  std::string s = "km " + Kilometres(e.numbers[0]) + ", cell " + std::to_string(CellOfEntry(e));
  if (e.kind == EntryKind::kStation && e.slot > 0) s += ", station slot " + std::to_string(e.slot);
  if (!e.cells.empty()) {
    s += "; placed in cell" + std::string(e.cells.size() > 1 ? "s " : " ");
    for (size_t i = 0; i < e.cells.size() && i < 12; ++i) {
      s += (i ? ", " : "") + std::to_string(e.cells[i]);
    }
    if (e.cells.size() > 12) s += ", ...";
  }
  return s;
}

/// The first entry read on `line` (0-based) of `path`.
std::optional<SourceEntry> EntryOnLine(const Workspace& ws, const std::string& path, int line) {
  for (SourceEntry& e : ws.EntriesOf(path)) {
    if (e.place.line == line + 1) return std::move(e);
  }
  return std::nullopt;
}

/// The range of a compiler place as it is: the field it spans, one character
/// for a point, the first line for a whole file.
json FieldRange(const Document* doc, const SourceLocation& w) {
  if (doc == nullptr) {
    EditorPosition p{std::max(w.line - 1, 0), std::max(w.column - 1, 0)};
    const int width = w.known() ? w.last_column() - w.column + 1 : 1;
    return Range(p, {p.line, p.character + std::max(width, 1)});
  }
  if (!w.known()) return Range({0, 0}, doc->EndOfLine(0));
  EditorPosition start = doc->ToEditor(w.line, w.column);
  EditorPosition stop = doc->ToEditor(w.line, w.last_column() + 1);
  if (stop.character <= start.character) stop = {start.line, start.character + 1};
  return Range(start, stop);
}

json DiagnosticJson(const Workspace& ws, const Diagnostic& d, const UriOf& uri) {
  json j;
  j["range"] = FieldRange(ws.Find(d.where.file), d.where);
  j["severity"] = d.severity == Severity::kError ? kSeverityError : kSeverityWarning;
  j["source"] = "percorso";
  // An error reads as the compile reports it; a warning's name is its code.
  std::string text = d.text;
  if (d.warning || d.stato != 0) j["code"] = DiagnosticRule(d);
  if (d.stato != 0) text = DiagnosticMessage(d);
  if (text.empty()) text = StatusMeaning(d.stato);
  json related = json::array();
  for (const Note& n : d.notes) {
    if (n.where.file.empty() || !n.where.known()) {
      text += "\nnote: " + n.text;
      continue;
    }
    related.push_back(
        {{"location",
          {{"uri", uri(n.where.file)}, {"range", FieldRange(ws.Find(n.where.file), n.where)}}},
         {"message", ValidUtf8(n.text)}});
  }
  j["message"] = ValidUtf8(text);
  if (!related.empty()) j["relatedInformation"] = std::move(related);
  return j;
}

}  // namespace

json DiagnosticsJson(const Workspace& ws, const FileDiagnostics& fd, const UriOf& uri) {
  json list = json::array();
  for (const Diagnostic& d : fd.diagnostics) list.push_back(DiagnosticJson(ws, d, uri));
  return {{"uri", uri(fd.path)}, {"diagnostics", std::move(list)}};
}

json HoverJson(const Workspace& ws, const std::string& path, EditorPosition at) {
  const Document* doc = ws.Find(path);
  if (doc == nullptr || at.line < 0 || at.line >= doc->line_count()) return nullptr;
  LineAt l = ReadLineAt(ws, *doc, path, at);
  if (l.keyword == nullptr) return nullptr;
  std::string md;
  if (l.field == 0 || l.field > l.keyword->fields.size()) {
    md = "**" + std::string(l.keyword->name) + "**: " + std::string(l.keyword->help) + "\n\n";
    for (size_t i = 0; i < l.keyword->fields.size(); ++i) {
      md += std::to_string(i + 1) + ". " + FieldLine(l.keyword->fields[i]) + "\n";
    }
  } else {
    md = FieldLine(l.keyword->fields[l.field - 1]) + "\n\nfield " + std::to_string(l.field) +
         " of `" + std::string(l.keyword->name) + "`\n";
  }
  if (std::optional<SourceEntry> e = EntryOnLine(ws, path, at.line); e && IsPositioned(*e)) {
    md += "\n" + Landing(*e);
  }
  const FieldSpan& f = l.fields[std::min(l.field, l.fields.size() - 1)];
  std::string_view line = doc->Line(at.line);
  EditorPosition a = doc->ToEditor(at.line + 1, static_cast<int>(f.begin) + 1);
  EditorPosition b = doc->ToEditor(at.line + 1, static_cast<int>(std::min(f.end, line.size())) + 1);
  return {{"contents", {{"kind", "markdown"}, {"value", md}}}, {"range", Range(a, b)}};
}

json CompletionJson(const Workspace& ws, const std::string& path, EditorPosition at) {
  json items = json::array();
  const Document* doc = ws.Find(path);
  if (doc == nullptr || at.line < 0 || at.line >= doc->line_count()) return items;
  LineAt l = ReadLineAt(ws, *doc, path, at);
  // Only the keyword field, at the start of an entry, is completed.
  if (l.field != 0) return items;
  const bool line_file = ws.RoleOf(path) == SourceRole::kLine;
  std::string_view line = doc->Line(at.line);
  const bool section_only = line.find('[') != std::string_view::npos;
  for (std::string_view name : SectionNames(line_file)) {
    items.push_back({{"label", std::string(name)},
                     {"kind", kCompletionModule},
                     {"detail", "section"},
                     {"sortText", "2" + std::string(name)}});
  }
  if (section_only) return items;
  int order = 0;
  for (const KeywordRule& k : KeywordsOf(PlaceOfLine(*doc, line_file, at.line))) {
    // In the order of the grammar's tests, before the section names.
    const std::string sort = std::to_string(1000 + order++);
    items.push_back({{"label", std::string(k.written)},
                     {"kind", kCompletionKeyword},
                     {"detail", Signature(k)},
                     {"documentation", std::string(k.help)},
                     {"insertText", std::string(k.written) + ", "},
                     {"sortText", sort}});
  }
  return items;
}

json SignatureHelpJson(const Workspace& ws, const std::string& path, EditorPosition at) {
  const Document* doc = ws.Find(path);
  if (doc == nullptr || at.line < 0 || at.line >= doc->line_count()) return nullptr;
  LineAt l = ReadLineAt(ws, *doc, path, at);
  if (l.keyword == nullptr || l.keyword->fields.empty()) return nullptr;
  std::string label(l.keyword->written);
  json parameters = json::array();
  for (const FieldRule& f : l.keyword->fields) {
    label += ", ";
    size_t start = label.size();
    label += f.name;
    std::string doc_text(f.odd);
    if (!f.unit.empty()) doc_text = "(" + std::string(f.unit) + ") " + doc_text;
    parameters.push_back({{"label", {start, label.size()}}, {"documentation", doc_text}});
  }
  size_t active = l.field == 0 ? 0 : std::min(l.field - 1, l.keyword->fields.size() - 1);
  return {{"signatures",
           {{{"label", label},
             {"documentation", std::string(l.keyword->help)},
             {"parameters", parameters}}}},
          {"activeSignature", 0},
          {"activeParameter", active}};
}

json InlayHintsJson(const Workspace& ws, const std::string& path, int first_line, int last_line) {
  json hints = json::array();
  const Document* doc = ws.Find(path);
  if (doc == nullptr) return hints;
  int last_done = -1;
  for (const SourceEntry& e : ws.EntriesOf(path)) {
    const int line = e.place.line - 1;
    if (!IsPositioned(e) || line == last_done || line < first_line || line > last_line) continue;
    last_done = line;
    hints.push_back(
        {{"position", Position(doc->EndOfLine(line))},
         {"label", "km " + Kilometres(e.numbers[0]) + " · cell " + std::to_string(CellOfEntry(e))},
         {"kind", kInlayHintType},
         {"paddingLeft", true}});
  }
  return hints;
}

json DocumentSymbolsJson(const Workspace& ws, const std::string& path) {
  json symbols = json::array();
  const Document* doc = ws.Find(path);
  if (doc == nullptr) return symbols;
  std::vector<SourceEntry> entries = ws.EntriesOf(path);
  std::vector<int> starts;
  for (int i = 0; i < doc->line_count(); ++i) {
    std::string_view t = doc->Line(i);
    size_t s = t.find_first_not_of(" \t");
    if (s != std::string_view::npos && t[s] == '[') starts.push_back(i);
  }
  for (size_t n = 0; n < starts.size(); ++n) {
    const int first = starts[n];
    const int last = n + 1 < starts.size() ? starts[n + 1] - 1 : doc->line_count() - 1;
    std::string_view t = doc->Line(first);
    size_t s = t.find_first_not_of(" \t");
    std::string name(t.substr(s, t.find(']', s) == std::string_view::npos
                                     ? std::string_view::npos
                                     : t.find(']', s) - s + 1));
    json children = json::array();
    for (const SourceEntry& e : entries) {
      const int line = e.place.line - 1;
      if (line < first || line > last) continue;
      if (e.kind != EntryKind::kStation && e.kind != EntryKind::kTextBoard) continue;
      std::string label = ValidUtf8(e.text);
      if (label.empty()) label = e.kind == EntryKind::kStation ? "station" : "board";
      json range = Range({line, 0}, doc->EndOfLine(line));
      children.push_back(
          {{"name", label},
           {"detail", (e.kind == EntryKind::kStation ? "station, km " : "board, km ") +
                          Kilometres(e.numbers.empty() ? 0 : e.numbers[0])},
           {"kind", kSymbolObject},
           {"range", range},
           {"selectionRange", range}});
    }
    json symbol = {{"name", name},
                   {"kind", kSymbolNamespace},
                   {"range", Range({first, 0}, doc->EndOfLine(last))},
                   {"selectionRange", Range({first, 0}, doc->EndOfLine(first))}};
    if (!children.empty()) symbol["children"] = std::move(children);
    symbols.push_back(std::move(symbol));
  }
  return symbols;
}

json DefinitionJson(const Workspace& ws, const std::string& path, EditorPosition at,
                    const UriOf& uri) {
  json locations = json::array();
  for (const Diagnostic& d : ws.DiagnosticsOf(path)) {
    if (d.where.line - 1 != at.line) continue;
    for (const Note& n : d.notes) {
      if (n.where.file.empty() || !n.where.known()) continue;
      json loc = {{"uri", uri(n.where.file)},
                  {"range", FieldRange(ws.Find(n.where.file), n.where)}};
      if (std::find(locations.begin(), locations.end(), loc) == locations.end()) {
        locations.push_back(std::move(loc));
      }
    }
  }
  return locations;
}

json CodeActionsJson(const Workspace& ws, const std::string& path, int first_line, int last_line,
                     const UriOf& uri) {
  json actions = json::array();
  const Document* doc = ws.Find(path);
  if (doc == nullptr) return actions;
  for (const Diagnostic& d : ws.DiagnosticsOf(path)) {
    const int line = d.where.line - 1;
    if (line < first_line || line > last_line) continue;
    // The fixes that the compile attached, applied together (a fix may
    // change the other file of the pair: the route length, say).
    if (d.fixes.empty()) continue;
    json changes = json::object();
    for (const Fix& f : d.fixes) {
      const Document* in = ws.Find(f.range.file);
      if (in == nullptr) continue;
      EditorPosition from = in->ToEditor(f.range.line, f.range.column);
      EditorPosition to =
          in->ToEditor(f.range.line, std::max(f.range.end_column, f.range.column - 1) + 1);
      changes[uri(f.range.file)].push_back(
          {{"range", Range(from, to)}, {"newText", ValidUtf8(f.replacement)}});
    }
    if (changes.empty()) continue;
    actions.push_back({{"title", ValidUtf8(d.fixes.front().title)},
                       {"kind", "quickfix"},
                       {"isPreferred", true},
                       {"diagnostics", {DiagnosticJson(ws, d, uri)}},
                       {"edit", {{"changes", std::move(changes)}}}});
  }
  return actions;
}

}  // namespace percorso
