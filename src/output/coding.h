// Fixed-length numbers are encoded with the least-significant byte first, one
// member after the other, with no gaps. Every binary file of the scenario is
// built from these helpers, never by copying a struct's memory.
#ifndef PERCORSO_OUTPUT_CODING_H_
#define PERCORSO_OUTPUT_CODING_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace percorso {

/// Writes an integer at `p` in sizeof(T) bytes, least significant first, into
/// a buffer that has room.
template <typename T>
inline void EncodeNumber(char* p, T v) {
  static_assert(std::is_integral_v<T>);
  auto u = static_cast<std::make_unsigned_t<T>>(v);
  if constexpr (sizeof(T) == 1) {
    p[0] = static_cast<char>(u);
  } else if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(p, &u, sizeof u);
  } else {
    for (size_t i = 0; i < sizeof(T); ++i) p[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
  }
}

/// Reads an integer of sizeof(T) bytes at `p`, least significant first.
template <typename T>
inline T DecodeNumber(const char* p) {
  static_assert(std::is_integral_v<T>);
  uint64_t v = 0;
  for (size_t i = sizeof(T); i-- > 0;) v = (v << 8) | static_cast<uint8_t>(p[i]);
  return static_cast<T>(static_cast<std::make_unsigned_t<T>>(v));
}

/// An IEEE 754 double, bytes in little-endian order.
inline void EncodeDouble(char* p, double v) {
  EncodeNumber(p, std::bit_cast<uint64_t>(v));
}
inline double DecodeDouble(const char* p) {
  return std::bit_cast<double>(DecodeNumber<uint64_t>(p));
}

/// Appends a number to a buffer.
template <typename T>
inline void PutNumber(std::string* dst, T v) {
  char b[sizeof(T)];
  EncodeNumber(b, v);
  dst->append(b, sizeof b);
}
inline void PutDouble(std::string* dst, double v) {
  PutNumber(dst, std::bit_cast<uint64_t>(v));
}

/// True when `written`, the bytes an encoder wrote or has room for, is the
/// number that its layout gives; otherwise `*err` says what went wrong.
inline bool CheckEncodedSize(std::string_view what, uint64_t written, uint64_t expected,
                             std::string* err) {
  if (written == expected) return true;
  *err = "the " + std::string(what) + " came to " + std::to_string(written) +
         " bytes where its layout gives " + std::to_string(expected);
  return false;
}

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_CODING_H_
