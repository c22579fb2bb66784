#include "driver/shown_text.h"

namespace percorso {
namespace {

void AppendEscaped(unsigned char c, std::string* out) {
  constexpr std::string_view kHex = "0123456789abcdef";
  *out += "\\x";
  *out += kHex[c >> 4];
  *out += kHex[c & 15];
}

}  // namespace

std::string EscapeControls(std::string_view text, bool keep_newlines) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\t' && !(keep_newlines && c == '\n')) || c == 0x7F) {
      AppendEscaped(c, &out);
    } else if (c == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      AppendEscaped(c, &out);
      AppendEscaped(static_cast<unsigned char>(text[++i]), &out);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace percorso
