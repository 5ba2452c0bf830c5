// Backup files store every text line XORed with a fixed eight-byte key and written as
// uppercase hexadecimal; these two functions turn a plain line into its stored form and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fenwave {

// Plain line → stored line (twice as long, uppercase hexadecimal).
[[nodiscard]] std::string ScrambleLine(std::string_view plain);
// Stored line → plain line; hexadecimal digits of either case; a single character left over
// at the end is ignored. Empty when a pair is not hexadecimal.
[[nodiscard]] std::optional<std::string> UnscrambleLine(std::string_view stored);

}  // namespace fenwave
