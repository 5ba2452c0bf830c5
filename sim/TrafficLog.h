// Lines of the simulator's traffic log: a hex dump of every chunk of bytes in either
// direction, and notes on what happened to the device, each with its time since start.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fenwave::sim {

enum class Direction {
  In,   // bytes from the application to the device
  Out,  // bytes the device sent
};

// "    12.345 in  FC B1 06 A7 09 30 11 00 5C" (seconds since start, milliseconds exact).
[[nodiscard]] std::string TrafficLine(std::chrono::milliseconds sinceStart, Direction direction,
                                      std::span<const std::uint8_t> bytes);
// "    12.345 --  silent", for the device's own changes of behaviour.
[[nodiscard]] std::string NoteLine(std::chrono::milliseconds sinceStart, std::string_view note);

}  // namespace fenwave::sim
