#include "storage/LineScrambling.h"

#include <array>
#include <cstdint>

namespace fenwave {
namespace {

constexpr std::array<std::uint8_t, 8> kLineKey = {0x5C, 0x3E, 0x91, 0x07, 0xD4, 0x28, 0x6B, 0xF2};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string ScrambleLine(std::string_view plain) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string stored;
  stored.reserve(plain.size() * 2);
  for (std::size_t k = 0; k < plain.size(); ++k) {
    const auto b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[k]) ^ kLineKey[k % 8]);
    stored.push_back(kDigits[b >> 4]);
    stored.push_back(kDigits[b & 0x0F]);
  }
  return stored;
}

std::optional<std::string> UnscrambleLine(std::string_view stored) {
  std::string plain;
  plain.reserve(stored.size() / 2);
  for (std::size_t k = 0; k + 1 < stored.size(); k += 2) {
    const int high = HexDigit(stored[k]);
    const int low = HexDigit(stored[k + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    plain.push_back(static_cast<char>((high * 16 + low) ^ kLineKey[(k / 2) % 8]));
  }
  return plain;
}

}  // namespace fenwave
