#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace drippo {

// The SHA-256 of some bytes as 64 lower-case hex digits, as `sha256sum` and
// CMake's file(SHA256) print it: the shipped files' manifests hold such lines.
std::string sha256_hex(std::span<const std::uint8_t> bytes);

}  // namespace drippo
