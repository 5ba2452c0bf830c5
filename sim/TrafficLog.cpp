#include "sim/TrafficLog.h"

#include <cstdio>

namespace fenwave::sim {
namespace {

std::string Stamp(std::chrono::milliseconds sinceStart, std::string_view marker) {
  const long long ms = sinceStart.count();
  char text[48];
  std::snprintf(text, sizeof text, "%6lld.%03lld %-3.3s", ms / 1000, ms % 1000,
                std::string(marker).c_str());
  return text;
}

}  // namespace

std::string TrafficLine(std::chrono::milliseconds sinceStart, Direction direction,
                        std::span<const std::uint8_t> bytes) {
  std::string line = Stamp(sinceStart, direction == Direction::In ? "in" : "out");
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const std::uint8_t b : bytes) {
    line.push_back(' ');
    line.push_back(kHex[b >> 4]);
    line.push_back(kHex[b & 0x0F]);
  }
  return line;
}

std::string NoteLine(std::chrono::milliseconds sinceStart, std::string_view note) {
  std::string line = Stamp(sinceStart, "--");
  line.push_back(' ');
  line.append(note);
  return line;
}

}  // namespace fenwave::sim
