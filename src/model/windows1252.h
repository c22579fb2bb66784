// Texts are kept as Windows-1252 bytes, one byte per character.
#ifndef PERCORSO_MODEL_WINDOWS1252_H_
#define PERCORSO_MODEL_WINDOWS1252_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace percorso {

/// The small letter of a capital letter of the code page (A-Z, the accented
/// capitals, and the few capitals in 0x80-0x9F); any other byte unchanged.
uint8_t ToLower1252(uint8_t c);
std::string ToLower1252(std::string_view text);

/// True when `haystack` contains `needle`, letter case ignored as above.
bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle);

/// Windows-1252 bytes as UTF-8, for the console and HTML. Bytes the code page
/// leaves undefined become U+FFFD.
std::string Utf8FromWindows1252(std::string_view text);
/// UTF-8 as Windows-1252 bytes; nothing when a character has no place in the
/// code page or the text is not valid UTF-8.
std::optional<std::string> Windows1252FromUtf8(std::string_view text);

}  // namespace percorso

#endif  // PERCORSO_MODEL_WINDOWS1252_H_
