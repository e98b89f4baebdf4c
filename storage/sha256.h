#pragma once
// SHA-256, which names a working folder's recovery copies after the folder's path.

#include <string>
#include <string_view>

namespace lumitrak {

// The digest of `bytes` as 64 lower-case hexadecimal digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace lumitrak
