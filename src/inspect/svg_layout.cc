#include "inspect/svg_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "inspect/text_out.h"

namespace percorso {

std::string Num(double v) {
  if (!std::isfinite(v)) return "0";
  double r = std::round(v * 10) / 10;
  if (r == 0) r = 0;  // no "-0"
  char buf[40];
  if (r == std::floor(r) && std::fabs(r) < 1e15) {
    std::snprintf(buf, sizeof buf, "%.0f", r);
  } else {
    std::snprintf(buf, sizeof buf, "%.1f", r);
  }
  return buf;
}

std::string KmLabel(int64_t metres) {
  std::string km = Kilometres(metres);
  while (km.back() == '0') km.pop_back();
  if (km.back() == '.') km.pop_back();
  if (km == "-0") km = "0";
  return km;
}

int64_t TickStep(int64_t metres, double pixels, double min_spacing) {
  if (metres <= 0 || pixels <= 0) return 1000;
  for (int64_t decade = 1000;; decade *= 10) {
    for (int64_t m : {1, 2, 5}) {
      int64_t step = decade * m;
      if (pixels * static_cast<double>(step) / static_cast<double>(metres) >= min_spacing ||
          step >= metres) {
        return step;
      }
    }
  }
}

double TextWidth(std::string_view utf8, double font_size) {
  double units = 0;
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte of UTF-8
    if (c == ' ' || c == '.' || c == ',' || c == ':' || c == '(' || c == ')' || c == 'I' ||
        c == 'i' || c == 'l' || c == '1') {
      units += 0.38;
    } else if (c >= 'A' && c <= 'Z') {
      units += 0.72;
    } else {
      units += 0.6;
    }
  }
  return units * font_size;
}

int LabelLanes::Place(double x0, double x1, int levels) {
  size_t end = levels < 0 ? taken_.size() : std::min(taken_.size(), static_cast<size_t>(levels));
  for (size_t level = 0; level < end; ++level) {
    bool free = true;
    for (const auto& [a, b] : taken_[level]) {
      if (x0 < b && a < x1) {
        free = false;
        break;
      }
    }
    if (free) {
      taken_[level].push_back({x0, x1});
      return static_cast<int>(level);
    }
  }
  return -1;
}

std::vector<std::vector<size_t>> GroupClose(const std::vector<double>& xs, double gap) {
  std::vector<std::vector<size_t>> groups;
  for (size_t i = 0; i < xs.size(); ++i) {
    if (groups.empty() || xs[i] - xs[groups.back().front()] > gap) groups.emplace_back();
    groups.back().push_back(i);
  }
  return groups;
}

}  // namespace percorso
