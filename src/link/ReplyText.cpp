#include "link/ReplyText.h"

#include <algorithm>

namespace fenwave {

std::string ModeNameText(std::span<const std::uint8_t> payload) {
  std::string name;
  for (const std::uint8_t b : payload.first(std::min(payload.size(), kModeNameLength))) {
    const unsigned c = b + 0x20u;
    name.push_back(c <= 0x7Fu ? static_cast<char>(c) : '?');
  }
  return name;
}

std::string JoinedDecimalText(std::span<const std::uint8_t> payload) {
  std::string text;
  for (const std::uint8_t b : payload)
    text += std::to_string(b);
  return text;
}

std::string HexText(std::span<const std::uint8_t> bytes, bool separated) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (separated && i > 0) text.push_back(' ');
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return text;
}

}  // namespace fenwave
