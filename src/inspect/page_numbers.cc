#include "inspect/page_numbers.h"

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

}  // namespace percorso
