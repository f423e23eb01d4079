// Base64 (RFC 4648, standard alphabet, padded) for the picture bytes embedded in form files.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vellumar::form_file {

std::string EncodeBase64(std::span<const uint8_t> bytes);
// The decoded bytes, or nothing when text is not padded base64 in the standard alphabet (no white space, no
// characters after the padding, unused bits zero).
std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text);

}  // namespace vellumar::form_file
