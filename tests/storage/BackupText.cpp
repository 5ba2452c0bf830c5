#include "BackupText.h"

#include <cstdio>
#include <stdexcept>

namespace fenwave::testing {
namespace {

constexpr unsigned char kKey[8] = {0x5C, 0x3E, 0x91, 0x07, 0xD4, 0x28, 0x6B, 0xF2};

}  // namespace

std::string Scramble(std::string_view plain) {
  std::string out;
  for (std::size_t k = 0; k < plain.size(); ++k) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(plain[k]) ^ kKey[k % 8]));
    out += pair;
  }
  return out;
}

std::string Unscramble(std::string_view stored) {
  std::string out;
  for (std::size_t k = 0; k + 1 < stored.size(); k += 2) {
    const unsigned value = std::stoul(std::string(stored.substr(k, 2)), nullptr, 16);
    out.push_back(static_cast<char>(value ^ kKey[(k / 2) % 8]));
  }
  return out;
}

std::string FileOf(const std::vector<std::string>& plainLines) {
  std::string content;
  for (const auto& line : plainLines) content += Scramble(line) + "\r\n";
  return content;
}

std::vector<std::string> PlainLinesOf(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find("\r\n", start);
    if (end == std::string_view::npos) throw std::runtime_error("line without CR LF");
    lines.push_back(Unscramble(content.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> PlainBackup(const std::vector<Record>& records) {
  std::vector<std::string> lines = {"V3 233", "Varnu 89"};
  long long sum = 0;
  for (const Record& r : records) {
    const auto i = static_cast<std::int32_t>(lines.size());
    lines.push_back(std::to_string(r.key ^ i) + " " + std::to_string(r.value ^ i));
    sum += r.value;
  }
  lines.push_back("Intoal: " + std::to_string(lines.size()));
  lines.push_back("CCCCK: " + std::to_string((256 - sum % 256) % 256));
  return lines;
}

}  // namespace fenwave::testing
