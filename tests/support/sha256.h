// SHA-256 of a byte string, as lower-case hex: the digests that `sha256sum`
// prints, so golden files can be regenerated with it.
#ifndef PERCORSO_TESTS_SUPPORT_SHA256_H_
#define PERCORSO_TESTS_SUPPORT_SHA256_H_

#include <string>
#include <string_view>

namespace percorso::testing {

std::string Sha256Hex(std::string_view bytes);

}  // namespace percorso::testing

#endif  // PERCORSO_TESTS_SUPPORT_SHA256_H_
