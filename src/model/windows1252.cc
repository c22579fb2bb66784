#include "model/windows1252.h"

#include <array>

namespace percorso {
namespace {

// Unicode code points of 0x80-0x9F; 0 where the code page defines nothing.
constexpr std::array<uint16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string* out, uint32_t cp) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

namespace {

constexpr uint8_t LowerOf(uint8_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<uint8_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<uint8_t>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

constexpr std::array<uint8_t, 256> MakeLowerTable() {
  std::array<uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = LowerOf(static_cast<uint8_t>(c));
  return table;
}

constexpr std::array<uint8_t, 256> kLower = MakeLowerTable();

uint8_t Lower(char c) {
  return kLower[static_cast<uint8_t>(c)];
}

}  // namespace

uint8_t ToLower1252(uint8_t c) {
  return kLower[c];
}

std::string ToLower1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(Lower(c));
  return out;
}

bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  if (needle.size() > haystack.size()) return false;
  const uint8_t first = Lower(needle[0]);
  const size_t last_start = haystack.size() - needle.size();
  for (size_t i = 0; i <= last_start; ++i) {
    if (Lower(haystack[i]) != first) continue;
    size_t k = 1;
    while (k < needle.size() && Lower(haystack[i + k]) == Lower(needle[k])) ++k;
    if (k == needle.size()) return true;
  }
  return false;
}

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    uint8_t c = static_cast<uint8_t>(ch);
    uint32_t cp = c;
    if (c >= 0x80 && c <= 0x9F) {
      cp = kHighControls[c - 0x80];
      if (cp == 0) cp = 0xFFFD;
    }
    AppendUtf8(&out, cp);
  }
  return out;
}

std::optional<std::string> Windows1252FromUtf8(std::string_view text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    uint8_t c = static_cast<uint8_t>(text[i]);
    uint32_t cp = 0;
    size_t len = 0;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1Fu;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0Fu;
      len = 3;
    } else {
      return std::nullopt;  // four-byte characters are all outside the code page
    }
    if (i + len > text.size()) return std::nullopt;
    for (size_t k = 1; k < len; ++k) {
      uint8_t cont = static_cast<uint8_t>(text[i + k]);
      if ((cont & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (cont & 0x3Fu);
    }
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    bool found = false;
    for (size_t k = 0; k < kHighControls.size(); ++k) {
      if (kHighControls[k] != 0 && kHighControls[k] == cp) {
        out.push_back(static_cast<char>(0x80 + k));
        found = true;
        break;
      }
    }
    if (!found) return std::nullopt;
  }
  return out;
}

}  // namespace percorso
