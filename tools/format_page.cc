// percorso_format_page: makes the man page percorso-format(5) of the roff that lowdown
// writes from docs/format.md, run by the build. It gives the page what a man
// page needs and the lint of mandoc and groff asks for:
//   - the title line with the date and version, and a NAME section in place
//     of the document's title, for whatis and apropos;
//   - no paragraph macro right after a heading;
//   - code in the constant-width font both formatters know (\f(CR, not \fC);
//   - links inside the document as their text only (no "<#anchor>");
//   - every character outside ASCII as its \[uXXXX] escape;
//   - filled text in lines of at most 80 bytes.
//   percorso_format_page INPUT OUTPUT DATE VERSION
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kLineBytes = 80;

bool IsHeading(std::string_view line) {
  return line.starts_with(".SH") || line.starts_with(".SS");
}

bool IsParagraph(std::string_view line) {
  return line == ".LP" || line == ".PP" || line == ".P";
}

// Every UTF-8 sequence as its \[uXXXX] escape; false for bytes that are not
// UTF-8.
bool EscapeNonAscii(const std::string& line, std::string* out) {
  out->clear();
  for (size_t i = 0; i < line.size();) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (byte < 0x80) {
      *out += line[i++];
      continue;
    }
    size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > line.size()) return false;
    unsigned code = byte & (0x7Fu >> length);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(line[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3Fu);
    }
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\[u%04X]", code);
    *out += escape;
    i += length;
  }
  return true;
}

void ReplaceAll(std::string* text, std::string_view from, std::string_view to) {
  for (size_t at = text->find(from); at != std::string::npos; at = text->find(from, at)) {
    text->replace(at, from.size(), to);
    at += to.size();
  }
}

// Drops the " <\fI#anchor\fR>" that follows the text of a link inside the
// document.
void DropAnchors(std::string* line) {
  const std::string_view start = " <\\fI#";
  for (size_t at = line->find(start); at != std::string::npos; at = line->find(start, at)) {
    size_t end = line->find("\\fR>", at);
    if (end == std::string::npos) break;
    line->erase(at, end + 4 - at);
  }
}

// A line of filled text as lines of at most kLineBytes bytes, broken at
// spaces (a line that would start with a control character gets \& first).
std::vector<std::string> Broken(const std::string& line) {
  std::vector<std::string> lines;
  std::string rest = line;
  while (rest.size() > kLineBytes) {
    size_t space = rest.rfind(' ', kLineBytes);
    while (space != std::string::npos && space > 0 && rest[space - 1] == '\\') {
      space = rest.rfind(' ', space - 1);
    }
    if (space == std::string::npos || space == 0) break;
    lines.push_back(rest.substr(0, space));
    rest = rest.substr(space + 1);
    if (rest.starts_with('.') || rest.starts_with('\'')) rest = "\\&" + rest;
  }
  lines.push_back(rest);
  return lines;
}

// The width in columns of roff text as a terminal shows it: escapes of fonts
// and zero-width marks take none, a named character one.
size_t ShownWidth(std::string_view text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      // A character of UTF-8 counts once, at its first byte.
      if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++width;
      continue;
    }
    const char kind = text[++i];
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (kind == 'f' && next == '(') {
      i += 3;
    } else if (kind == 'f' && next == '[') {
      i = text.find(']', i);
    } else if (kind == 'f') {
      ++i;
    } else if (kind == '(') {
      i += 2;
      ++width;
    } else if (kind == '[') {
      i = text.find(']', i);
      ++width;
    } else if (kind != '&' && kind != ':') {
      ++width;
    }
  }
  return width;
}

// The widths of a table's columns in a page of `line` columns, `gap` columns
// between two cells: each at least its longest word, the rest of the line
// shared by how much text each holds. `fits` tells whether the longest words
// alone fit the line.
std::vector<size_t> ColumnWidths(const std::vector<std::vector<std::string>>& rows, size_t line,
                                 size_t gap, bool* fits) {
  size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  std::vector<size_t> longest_word(columns, 1);
  std::vector<size_t> longest_cell(columns, 1);
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      longest_cell[c] = std::max(longest_cell[c], ShownWidth(row[c]));
      for (size_t at = 0; at < row[c].size();) {
        // A line may break at a space or after a hyphen between letters.
        size_t end = at;
        for (; end < row[c].size(); ++end) {
          const char ch = row[c][end];
          if (ch == ' ' || ch == '\n') break;
          if (ch == '-' && end > 0 && end + 1 < row[c].size() &&
              std::isalpha(static_cast<unsigned char>(row[c][end - 1])) &&
              std::isalpha(static_cast<unsigned char>(row[c][end + 1]))) {
            break;
          }
        }
        const size_t kept = end < row[c].size() && row[c][end] == '-' ? 1 : 0;
        longest_word[c] = std::max(longest_word[c], ShownWidth(row[c].substr(at, end + kept - at)));
        at = end + 1;
      }
    }
  }
  // Borders and gaps: `gap` columns between two cells, one at each edge.
  const size_t room = line > gap * columns ? line - gap * columns + 1 : columns;
  std::vector<size_t> widths = longest_word;
  size_t used = 0;
  for (size_t w : widths) used += w;
  *fits = used <= room;
  // What each column would still take to hold its longest cell on one line.
  size_t wanted = 0;
  for (size_t c = 0; c < columns; ++c)
    wanted += longest_cell[c] - std::min(longest_cell[c], widths[c]);
  if (used < room && wanted > 0) {
    const size_t spare = room - used;
    for (size_t c = 0; c < columns; ++c) {
      const size_t want = longest_cell[c] - std::min(longest_cell[c], widths[c]);
      widths[c] += std::min(want, spare * want / wanted);
    }
  }
  return widths;
}

// A table of lowdown (options, two format lines, rows of T{ text blocks T})
// with a width for each column, so that it fits the page and no column is
// narrower than its longest word.
std::vector<std::string> SizedTable(const std::vector<std::string>& table) {
  // table[0] is .TS, table[1] the options, table[2] and [3] the formats.
  if (table.size() < 5 || !table[3].ends_with('.')) return table;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string>* row = nullptr;
  for (size_t i = 4; i < table.size(); ++i) {
    const std::string& line = table[i];
    if (line == "T{") {
      rows.emplace_back(1);
      row = &rows.back();
    } else if (line == "T}|T{" && row != nullptr) {
      row->emplace_back();
    } else if (line != "T}" && line != ".TE" && row != nullptr) {
      row->back() += (row->back().empty() ? "" : "\n") + line;
    }
  }
  // tbl's own gap between columns is three ens; a table with many narrow
  // columns whose longest words would not fit so gets a gap of one.
  size_t gap = 3;
  bool fits = true;
  std::vector<size_t> widths = ColumnWidths(rows, 71, gap, &fits);
  if (!fits) {
    gap = 1;
    widths = ColumnWidths(rows, 71, gap, &fits);
  }
  const std::string separation = gap == 3 ? "" : std::to_string(gap);
  std::string heads;
  std::string cells;
  for (size_t c = 0; c < widths.size(); ++c) {
    const std::string after = c + 1 < widths.size() ? separation : "";
    heads +=
        (heads.empty() ? "" : " ") + std::string("lbw(") + std::to_string(widths[c]) + "n)" + after;
    cells += (cells.empty() ? "" : " ") + std::string("l") + after;
  }
  std::vector<std::string> sized = table;
  sized[1] = "tab(|) allbox;";
  sized[2] = heads;
  sized[3] = cells + ".";
  return sized;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: percorso_format_page INPUT OUTPUT DATE VERSION\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "percorso_format_page: cannot read " << argv[1] << "\n";
    return 1;
  }
  const std::string date = argv[3];
  const std::string version = argv[4];
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);

  std::ostringstream out;
  bool named = false;
  bool no_fill = false;
  bool after_heading = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i];
    if (line.starts_with(".TH")) {
      out << ".TH PERCORSO\\-FORMAT 5 " << date << " \"percorso " << version
          << "\" \"File Formats\"\n";
      continue;
    }
    if (!named && line == ".SH") {
      // The document's title gives way to the NAME section.
      out << ".SH NAME\n"
             "percorso\\-format \\- the scenario sources of percorso and the files it "
             "compiles\n"
             ".SH DESCRIPTION\n";
      named = true;
      ++i;
      after_heading = true;
      continue;
    }
    if (after_heading && IsParagraph(line)) continue;
    // The contents, whose links have no place to lead to in a man page, up to
    // the paragraph after them.
    if (IsParagraph(line) && i + 1 < lines.size() && lines[i + 1] == "Contents:") {
      for (i += 2; i < lines.size() && !IsParagraph(lines[i]);) ++i;
      --i;
      continue;
    }
    // A table gets the widths of its columns, its cells set ragged-right (a
    // narrow column cannot be justified).
    if (line == ".TS") {
      std::vector<std::string> table;
      for (; i < lines.size() && lines[i] != ".TE"; ++i) table.push_back(lines[i]);
      table.push_back(".TE");
      // The sized table has as many lines: it takes the place of the old.
      i -= table.size() - 1;
      table = SizedTable(table);
      std::copy(table.begin(), table.end(), lines.begin() + static_cast<std::ptrdiff_t>(i));
      line = lines[i];
      out << ".na\n.nh\n";
    }
    if (line == ".TE") {
      out << line << "\n.ad\n.hy\n";
      continue;
    }
    // A heading's text is on the line after its macro.
    after_heading = IsHeading(line) || (after_heading && IsHeading(lines[i - 1]));
    if (line == ".EX" || line == ".nf") no_fill = true;
    if (line == ".EE" || line == ".fi") no_fill = false;
    ReplaceAll(&line, "\\fC", "\\f(CR");
    DropAnchors(&line);
    std::string escaped;
    if (!EscapeNonAscii(line, &escaped)) {
      std::cerr << "percorso_format_page: " << argv[1] << ":" << i + 1 << ": not UTF-8\n";
      return 1;
    }
    const bool text = !escaped.starts_with('.') && !escaped.starts_with('\'');
    if (text && !no_fill && escaped.size() > kLineBytes) {
      for (const std::string& part : Broken(escaped)) out << part << "\n";
    } else {
      out << escaped << "\n";
    }
  }
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file << out.str();
  file.close();
  if (!file) {
    std::cerr << "percorso_format_page: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
