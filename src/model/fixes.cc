#include "model/fixes.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace percorso {
namespace {

// Where each line of a text starts, and where it ends (before its line end).
struct Lines {
  std::vector<size_t> starts;
  std::vector<size_t> ends;
};

Lines LinesOf(std::string_view t) {
  Lines l;
  size_t start = 0;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] != '\n' && t[i] != '\r') continue;
    l.starts.push_back(start);
    l.ends.push_back(i);
    if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
    start = i + 1;
  }
  l.starts.push_back(start);
  l.ends.push_back(t.size());
  return l;
}

struct Edit {
  size_t begin;
  size_t end;
  const std::string* replacement;
};

// The bytes that a fix replaces, when its range lies on a line of the text.
std::optional<Edit> EditOf(const Lines& lines, const Fix& f) {
  if (f.range.line < 1 || static_cast<size_t>(f.range.line) > lines.starts.size() ||
      f.range.column < 1) {
    return std::nullopt;
  }
  const size_t start = lines.starts[static_cast<size_t>(f.range.line) - 1];
  const size_t end = lines.ends[static_cast<size_t>(f.range.line) - 1];
  const size_t begin = start + static_cast<size_t>(f.range.column) - 1;
  const size_t stop = start + static_cast<size_t>(std::max(f.range.end_column, f.range.column - 1));
  if (begin > end || stop > end || stop < begin) return std::nullopt;
  return Edit{begin, stop, &f.replacement};
}

}  // namespace

FixedText ApplyFixes(std::string_view text, const std::string& file,
                     const std::vector<Diagnostic>& diagnostics) {
  const Lines lines = LinesOf(text);
  std::vector<Edit> taken;
  FixedText out;
  for (const Diagnostic& d : diagnostics) {
    std::vector<Edit> edits;
    bool whole = true;
    for (const Fix& f : d.fixes) {
      if (f.range.file != file) continue;
      std::optional<Edit> e = EditOf(lines, f);
      if (!e) {
        whole = false;
        break;
      }
      edits.push_back(*e);
    }
    if (!whole || edits.empty()) continue;
    // Two edits overlap when one begins before the other ends; two
    // insertions at one place overlap too.
    auto overlaps = [](const Edit& a, const Edit& b) {
      if (a.begin == b.begin) return true;
      return a.begin < b.end && b.begin < a.end;
    };
    bool clash = false;
    for (size_t i = 0; i < edits.size() && !clash; ++i) {
      for (const Edit& t : taken) clash = clash || overlaps(edits[i], t);
      for (size_t j = i + 1; j < edits.size(); ++j) clash = clash || overlaps(edits[i], edits[j]);
    }
    if (clash) continue;
    taken.insert(taken.end(), edits.begin(), edits.end());
    ++out.applied;
  }
  std::sort(taken.begin(), taken.end(),
            [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
  size_t at = 0;
  for (const Edit& e : taken) {
    out.text.append(text.substr(at, e.begin - at));
    out.text += *e.replacement;
    at = e.end;
  }
  out.text.append(text.substr(at));
  return out;
}

}  // namespace percorso
