// Test-side construction and reading of backup files, written out independently of the code
// under test: the line key, the CR LF endings and the check rule are spelled out here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fenwave::testing {

// Scrambled form of a plain line: XOR with 5C 3E 91 07 D4 28 6B F2, uppercase hexadecimal.
std::string Scramble(std::string_view plain);
// Plain form of a stored line of uppercase or lowercase hexadecimal.
std::string Unscramble(std::string_view stored);

// A file of the given plain lines, each scrambled and ended by CR LF.
std::string FileOf(const std::vector<std::string>& plainLines);
// The plain lines of a file whose lines end in CR LF.
std::vector<std::string> PlainLinesOf(std::string_view content);

struct Record {
  std::int32_t key;
  std::int32_t value;
};
// The plain lines of a complete file holding `records` (non-negative values) with a matching
// count and check line.
std::vector<std::string> PlainBackup(const std::vector<Record>& records);

}  // namespace fenwave::testing
