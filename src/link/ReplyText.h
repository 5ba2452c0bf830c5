// The texts the receiver makes of reply payloads (mode names, passwords, the management code)
// and of whole frames for the diagnostic log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace fenwave {

inline constexpr std::size_t kModeNameLength = 20;

// The first 20 bytes, each shown as the character 0x20 above it, or "?" past 0x7F.
[[nodiscard]] std::string ModeNameText(std::span<const std::uint8_t> payload);
// Every byte as its decimal text, joined without separators.
[[nodiscard]] std::string JoinedDecimalText(std::span<const std::uint8_t> payload);
// Every byte as two uppercase hexadecimal digits, separated by single blanks when `separated`.
[[nodiscard]] std::string HexText(std::span<const std::uint8_t> bytes, bool separated);

}  // namespace fenwave
