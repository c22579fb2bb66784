#include "inspect/dump_format.h"

#include <cstdio>

#include "inspect/text_out.h"
#include "model/cells.h"
#include "model/windows1252.h"
#include "output/layout.h"

namespace percorso {
namespace {

bool IsZero(const cella& c) {
  return c == cella{};
}
bool IsZero(const voce& v) {
  return v == voce{};
}

/// Calls `item(i)` for every element that is not entirely zero and
/// `empty(first, last)` for every run of elements that are, in index order.
template <typename T, typename Item, typename Empty>
void WalkFolded(const T& elements, Item item, Empty empty) {
  size_t i = 0;
  while (i < elements.size()) {
    if (!IsZero(elements[i])) {
      item(i);
      ++i;
      continue;
    }
    size_t first = i;
    while (i < elements.size() && IsZero(elements[i])) ++i;
    empty(first, i - 1);
  }
}

/// "cells 5–19: empty", or "cell 5: empty" for a run of one.
std::string EmptyRunLine(std::string_view one, std::string_view many, size_t first, size_t last) {
  if (first == last) return std::string(one) + " " + std::to_string(first) + ": empty";
  return std::string(many) + " " + std::to_string(first) + "\u2013" + std::to_string(last) +
         ": empty";
}

/// The columns that a number of a field takes in the text listings: those of
/// the widest value of a byte or a 16-bit field, 8 for a position in metres and
/// 11 for a time in seconds, which may be any 32-bit value.
int Column(const layout::Field& f) {
  if (f.width == 1) return 3;
  if (f.width == 2) return 6;
  return f.name == "orario" ? 11 : 8;
}

/// Appends "  name value" for every field of `fields`, each value right-aligned
/// in its column; `after(field)` adds what follows a value.
template <typename Fields, typename Record, typename After>
void AppendFieldsText(const Fields& fields, const Record& r, std::string* line, After after) {
  layout::ForEachField(fields, r, [&](const layout::Field& f, auto v) {
    char value[24];
    std::snprintf(value, sizeof value, "%*lld", Column(f), static_cast<long long>(v));
    *line += "  " + std::string(f.name) + " " + value;
    after(f);
  });
}
template <typename Fields, typename Record>
void AppendFieldsText(const Fields& fields, const Record& r, std::string* line) {
  AppendFieldsText(fields, r, line, [](const layout::Field&) {});
}

/// Writes ",\"name\":value" for every field of `fields`.
template <typename Fields, typename Record>
void FieldsJson(const Fields& fields, const Record& r, std::ostream& out) {
  layout::ForEachField(fields, r, [&](const layout::Field& f, auto v) {
    out << ",\"" << f.name << "\":" << static_cast<long long>(v);
  });
}

std::string SlotLine(size_t index, const voce& v) {
  char head[16];
  std::snprintf(head, sizeof head, "slot %2zu", index);
  std::string line = head;
  AppendFieldsText(layout::kVoceHead, v, &line);
  AppendFieldsText(layout::kVoceTail, v, &line);
  return line + "  nome " + ConsoleQuote(Utf8FromWindows1252(v.nome));
}

std::string EntryText(const GeometryTable& t, int64_t x, int k) {
  switch (t.tag(x, k)) {
    case Tag::kVuoto:
      return "empty";
    case Tag::kIntero:
      return "int " + std::to_string(static_cast<int>(t.valore(x, k)));
    case Tag::kReale:
      return "real " + ShortestDouble(t.valore(x, k));
  }
  return "";
}

std::string EntryJsonValue(const GeometryTable& t, int64_t x, int k) {
  switch (t.tag(x, k)) {
    case Tag::kVuoto:
      return "null";
    case Tag::kIntero:
      return std::to_string(static_cast<int>(t.valore(x, k)));
    case Tag::kReale:
      return ShortestDouble(t.valore(x, k));
  }
  return "null";
}

/// Calls `visit(x)` for the metres that the geometry listing shows.
template <typename Visit>
void ListedMetres(const GeometryTable& t, int64_t every, Visit visit) {
  if (every < 1) every = 1;
  int64_t last = t.ultimo_metro();
  for (int64_t x = 0; x <= last; x += every) visit(x);
  if (last % every != 0) visit(last);
}

void JsonHead(const DumpSource& source, std::string_view kind, std::ostream& out) {
  out << "{\"schema\":" << kDumpSchemaVersion << ",\"file\":" << JsonQuote(ValidUtf8(source.name))
      << ",\"kind\":\"" << kind << "\",\"bytes\":" << source.size;
}

}  // namespace

std::string CellLine(size_t index, const cella& c) {
  char head[64];
  std::snprintf(head, sizeof head, "cell %6zu  km %8s", index,
                Kilometres(CellMetres(static_cast<int64_t>(index))).c_str());
  std::string line = head;
  AppendFieldsText(layout::kCellFields, c, &line, [&](const layout::Field& f) {
    if (f.name != "tipo") return;
    char name[24];
    std::snprintf(name, sizeof name, " %-14s", std::string(TipoName(c.tipo)).c_str());
    line += name;
  });
  return line;
}

void DumpCelleText(const DumpSource& source, const std::vector<cella>& celle, std::ostream& out) {
  out << source.name << ": cell file, " << celle.size() << " cells (0 to "
      << (celle.empty() ? 0 : celle.size() - 1) << "), " << source.size << " bytes\n";
  WalkFolded(
      celle, [&](size_t i) { out << CellLine(i, celle[i]) << '\n'; },
      [&](size_t first, size_t last) {
        out << EmptyRunLine("cell", "cells", first, last) << '\n';
      });
}

void DumpCelleJson(const DumpSource& source, const std::vector<cella>& celle, std::ostream& out) {
  JsonHead(source, "cells", out);
  out << ",\"count\":" << celle.size() << ",\"cells\":[";
  std::string empty;
  bool first_item = true;
  WalkFolded(
      celle,
      [&](size_t i) {
        out << (first_item ? "" : ",") << "\n{\"index\":" << i
            << ",\"km\":" << Kilometres(CellMetres(static_cast<int64_t>(i)));
        FieldsJson(layout::kCellFields, celle[i], out);
        out << "}";
        first_item = false;
      },
      [&](size_t first, size_t last) {
        empty +=
            (empty.empty() ? "[" : ",[") + std::to_string(first) + "," + std::to_string(last) + "]";
      });
  out << "],\n\"empty\":[" << empty << "]}\n";
}

void DumpVociText(const DumpSource& source, const std::array<voce, kNumVoci>& voci,
                  std::ostream& out) {
  out << source.name << ": table file, " << kNumVoci << " slots (0 to " << kNumVoci - 1 << "), "
      << source.size << " bytes\n";
  WalkFolded(
      voci, [&](size_t i) { out << SlotLine(i, voci[i]) << '\n'; },
      [&](size_t first, size_t last) {
        out << EmptyRunLine("slot", "slots", first, last) << '\n';
      });
}

void DumpVociJson(const DumpSource& source, const std::array<voce, kNumVoci>& voci,
                  std::ostream& out) {
  JsonHead(source, "table", out);
  out << ",\"slots\":[";
  for (size_t i = 0; i < voci.size(); ++i) {
    const voce& v = voci[i];
    out << (i == 0 ? "" : ",") << "\n{\"slot\":" << i;
    FieldsJson(layout::kVoceHead, v, out);
    out << ",\"nome\":" << JsonQuote(Utf8FromWindows1252(v.nome));
    FieldsJson(layout::kVoceTail, v, out);
    out << "}";
  }
  out << "]}\n";
}

void DumpTracciatoText(const DumpSource& source, const GeometryTable& t, int64_t every,
                       std::ostream& out) {
  out << source.name << ": geometry file, metres 0 to " << t.ultimo_metro() << ", " << source.size
      << " bytes";
  if (every > 1) out << ", every " << every << " m";
  out << '\n';
  ListedMetres(t, every, [&](int64_t x) {
    char buf[120];
    std::snprintf(buf, sizeof buf, "metre %7lld  %-28s  %s", static_cast<long long>(x),
                  EntryText(t, x, 0).c_str(), EntryText(t, x, 1).c_str());
    out << buf << '\n';
  });
}

void DumpTracciatoJson(const DumpSource& source, const GeometryTable& t, int64_t every,
                       std::ostream& out) {
  JsonHead(source, "geometry", out);
  out << ",\"last_metre\":" << t.ultimo_metro() << ",\"every\":" << (every < 1 ? 1 : every)
      << ",\"points\":[";
  bool first_item = true;
  ListedMetres(t, every, [&](int64_t x) {
    out << (first_item ? "" : ",") << "\n{\"metre\":" << x << ",\"tag\":["
        << layout::TagCode(t.tag(x, 0)) << "," << layout::TagCode(t.tag(x, 1)) << "],\"value\":["
        << EntryJsonValue(t, x, 0) << "," << EntryJsonValue(t, x, 1) << "]}";
    first_item = false;
  });
  out << "]}\n";
}

}  // namespace percorso
