#include "platform/form_file/form_file_base64.h"

#include <array>

namespace vellumar::form_file {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr uint8_t kNotBase64 = 0xFF;
constexpr size_t kGroupChars = 4;
constexpr size_t kGroupBytes = 3;

constexpr std::array<uint8_t, 256> MakeDecodeTable() {
  std::array<uint8_t, 256> table{};
  table.fill(kNotBase64);
  for (size_t i = 0; i < kAlphabet.size(); ++i)
    table[static_cast<uint8_t>(kAlphabet[i])] = static_cast<uint8_t>(i);
  return table;
}
constexpr std::array<uint8_t, 256> kDecodeTable = MakeDecodeTable();

}  // namespace

std::string EncodeBase64(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve((bytes.size() + kGroupBytes - 1) / kGroupBytes * kGroupChars);
  size_t i = 0;
  for (; i + kGroupBytes <= bytes.size(); i += kGroupBytes) {
    const uint32_t group = (uint32_t{bytes[i]} << 16) | (uint32_t{bytes[i + 1]} << 8) | bytes[i + 2];
    for (int shift = 18; shift >= 0; shift -= 6) text += kAlphabet[(group >> shift) & 0x3F];
  }
  const size_t rest = bytes.size() - i;
  if (rest > 0) {
    uint32_t group = uint32_t{bytes[i]} << 16;
    if (rest == 2) group |= uint32_t{bytes[i + 1]} << 8;
    text += kAlphabet[(group >> 18) & 0x3F];
    text += kAlphabet[(group >> 12) & 0x3F];
    text += rest == 2 ? kAlphabet[(group >> 6) & 0x3F] : '=';
    text += '=';
  }
  return text;
}

std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text) {
  if (text.size() % kGroupChars != 0) return std::nullopt;
  size_t padding = 0;
  if (!text.empty() && text.back() == '=') padding = text[text.size() - 2] == '=' ? 2 : 1;
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size() / kGroupChars * kGroupBytes);
  const size_t data_chars = text.size() - padding;
  uint32_t group = 0;
  for (size_t i = 0; i < data_chars; ++i) {
    const uint8_t sextet = kDecodeTable[static_cast<uint8_t>(text[i])];
    if (sextet == kNotBase64) return std::nullopt;
    group = (group << 6) | sextet;
    if (i % kGroupChars == kGroupChars - 1) {
      bytes.push_back(static_cast<uint8_t>(group >> 16));
      bytes.push_back(static_cast<uint8_t>(group >> 8));
      bytes.push_back(static_cast<uint8_t>(group));
      group = 0;
    }
  }
  if (padding == 1) {
    if ((group & 0x3) != 0) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(group >> 10));
    bytes.push_back(static_cast<uint8_t>(group >> 2));
  } else if (padding == 2) {
    if ((group & 0xF) != 0) return std::nullopt;
    bytes.push_back(static_cast<uint8_t>(group >> 4));
  }
  return bytes;
}

}  // namespace vellumar::form_file
