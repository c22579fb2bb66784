// Fixed-length numbers are encoded with the least-significant byte first, one
// member after the other, with no gaps. Every binary file of the scenario is
// built from these helpers, never by copying a struct's memory.
#ifndef PERCORSO_OUTPUT_CODING_H_
#define PERCORSO_OUTPUT_CODING_H_

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace percorso {

/// Writes into a buffer that has room: 2 or 8 bytes at `p`.
inline void EncodeFixed16(char* p, uint16_t v) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}
inline void EncodeFixed64(char* p, uint64_t v) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(p, &v, sizeof v);
  } else {
    for (int i = 0; i < 8; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
}

inline void PutFixed8(std::string* dst, uint8_t v) {
  dst->push_back(static_cast<char>(v));
}

inline void PutFixed16(std::string* dst, uint16_t v) {
  char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  dst->append(b, 2);
}

inline void PutFixed32(std::string* dst, uint32_t v) {
  char b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  dst->append(b, 4);
}

inline void PutFixed64(std::string* dst, uint64_t v) {
  char b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  dst->append(b, 8);
}

inline void PutSigned16(std::string* dst, int16_t v) {
  PutFixed16(dst, static_cast<uint16_t>(v));
}
inline void PutSigned32(std::string* dst, int32_t v) {
  PutFixed32(dst, static_cast<uint32_t>(v));
}
/// An IEEE 754 double, bytes in little-endian order.
inline void PutDouble(std::string* dst, double v) {
  PutFixed64(dst, std::bit_cast<uint64_t>(v));
}

inline uint8_t DecodeFixed8(const char* p) {
  return static_cast<uint8_t>(p[0]);
}
inline uint16_t DecodeFixed16(const char* p) {
  return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | (static_cast<uint8_t>(p[1]) << 8));
}
inline uint32_t DecodeFixed32(const char* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(p[i]);
  return v;
}
inline uint64_t DecodeFixed64(const char* p) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(p[i]);
  return v;
}
inline int16_t DecodeSigned16(const char* p) {
  return static_cast<int16_t>(DecodeFixed16(p));
}
inline int32_t DecodeSigned32(const char* p) {
  return static_cast<int32_t>(DecodeFixed32(p));
}
inline double DecodeDouble(const char* p) {
  return std::bit_cast<double>(DecodeFixed64(p));
}

}  // namespace percorso

#endif  // PERCORSO_OUTPUT_CODING_H_
