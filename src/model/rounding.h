// Floating-point rounding as the compiler does it everywhere: to the nearest
// integer, halves to even.
#ifndef PERCORSO_MODEL_ROUNDING_H_
#define PERCORSO_MODEL_ROUNDING_H_

#include <cmath>
#include <cstdint>

namespace percorso {

/// The integer nearest to `x`, halves to even (2.5 gives 2, 3.5 gives 4), in
/// the default rounding mode. Values outside the 64-bit range saturate.
inline int64_t nearest(double x) {
  double r = std::nearbyint(x);
  if (!(r >= -9.2e18)) return INT64_MIN;  // also NaN
  if (r >= 9.2e18) return INT64_MAX;
  return static_cast<int64_t>(r);
}

/// The low 16 bits of a value, as the signed 16-bit members keep it.
inline int16_t low16(int64_t v) {
  return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF));
}
/// The low 8 bits of a value, as the 8-bit members keep it.
inline uint8_t low8(int64_t v) {
  return static_cast<uint8_t>(v & 0xFF);
}

/// True when `v` is a multiple of `m`, by the remainder with the sign of the
/// dividend, so negative multiples pass.
inline bool is_multiple(int64_t v, int64_t m) {
  return v % m == 0;
}

}  // namespace percorso

#endif  // PERCORSO_MODEL_ROUNDING_H_
