// Internal: not installed.
#pragma once
// Base64 (RFC 4648, standard alphabet, with padding) for binary data inside JSON.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace led::platform {

std::string EncodeBase64(std::span<const uint8_t> bytes);
// The decoded bytes, or nothing when the text is not padded base64 (whitespace is
// not allowed).
std::optional<std::vector<uint8_t>> DecodeBase64(const std::string& text);

}  // namespace led::platform
