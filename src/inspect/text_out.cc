#include "inspect/text_out.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/windows1252.h"

namespace percorso {
namespace {

std::string HexEscape(unsigned char c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\u%04x", c);
  return buf;
}

/// The length of the well-formed UTF-8 sequence at the start of `s`, or 0.
size_t Utf8SequenceLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  size_t n = 0;
  uint32_t min = 0;
  uint32_t cp = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2, min = 0x80, cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, min = 0x800, cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, min = 0x10000, cp = c & 0x07;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (size_t i = 1; i < n; ++i) {
    unsigned char d = static_cast<unsigned char>(s[i]);
    if ((d & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (d & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    size_t n = Utf8SequenceLength(bytes);
    if (n == 0) {
      out += Utf8FromWindows1252(bytes.substr(0, 1));
      n = 1;
    } else {
      out.append(bytes.substr(0, n));
    }
    bytes.remove_prefix(n);
  }
  return out;
}

namespace {

// A text in double quotes with backslash escapes; `control` spells a control
// character that has no short escape.
std::string BackslashQuote(std::string_view utf8, std::string (*control)(unsigned char)) {
  std::string out = "\"";
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          out += control(c);
        } else {
          out.push_back(ch);
        }
    }
  }
  out += '"';
  return out;
}

std::string ConsoleEscape(unsigned char c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\x%02x", c);
  return buf;
}

}  // namespace

std::string JsonQuote(std::string_view utf8) {
  return BackslashQuote(utf8, HexEscape);
}

std::string HtmlEscape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      case '\t':
      case '\n':
        out.push_back(ch);
        break;
      default:
        // HTML allows no control characters in text.
        if (c < 0x20 || c == 0x7F) {
          out += "&#xFFFD;";
        } else {
          out.push_back(ch);
        }
    }
  }
  return out;
}

std::string ConsoleQuote(std::string_view utf8) {
  return BackslashQuote(utf8, ConsoleEscape);
}

std::string ShortestDouble(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  if (ec != std::errc()) return "null";
  return std::string(buf, end);
}

std::string Kilometres(int64_t metres) {
  uint64_t m = metres < 0 ? 0 - static_cast<uint64_t>(metres) : static_cast<uint64_t>(metres);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%llu.%03llu", metres < 0 ? "-" : "",
                static_cast<unsigned long long>(m / 1000),
                static_cast<unsigned long long>(m % 1000));
  return buf;
}

std::string ClockTime(int64_t seconds) {
  uint64_t s = seconds < 0 ? 0 - static_cast<uint64_t>(seconds) : static_cast<uint64_t>(seconds);
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%llu:%02llu:%02llu", seconds < 0 ? "-" : "",
                static_cast<unsigned long long>(s / 3600),
                static_cast<unsigned long long>(s / 60 % 60),
                static_cast<unsigned long long>(s % 60));
  return buf;
}

}  // namespace percorso
