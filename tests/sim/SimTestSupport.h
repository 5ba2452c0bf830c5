// Helpers the simulator's tests share: talking to an in-process device and taking its
// reply frames apart.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "link/Frame.h"
#include "sim/Device.h"

namespace fenwave::sim::test {

using namespace std::chrono_literals;

// Hands `request` to the device at `now` and returns everything due by then.
inline Bytes Exchange(Device& device, const Bytes& request, Millis now = 0ms) {
  device.Receive(request, now);
  return device.TakeOutput(now);
}

inline Bytes Write(ParamAddress address, const Bytes& payload) {
  return BuildFrame(0xA7, address, payload);
}
inline Bytes Read(ParamAddress address, const Bytes& payload = {}) {
  return BuildFrame(0xA0, address, payload);
}
// A parameter write: the value low byte first.
inline Bytes WriteValue(ParamAddress address, std::uint16_t value) {
  return Write(address, Bytes{static_cast<std::uint8_t>(value & 0xFF),
                              static_cast<std::uint8_t>(value >> 8)});
}
inline Bytes ReadBlock(int module) {
  return Read(0x0910, Bytes{static_cast<std::uint8_t>(module), 0x00});
}

// The payload of a reply read as 16-bit values, low byte first.
inline std::vector<int> Words(const ParsedFrame& reply) {
  std::vector<int> words;
  for (std::size_t i = 0; i + 1 < reply.payload.size(); i += 2)
    words.push_back(reply.payload[i] | (reply.payload[i + 1] << 8));
  return words;
}

// The block of `module` as the device reports it to a block read.
inline std::vector<int> BlockReply(Device& device, int module) {
  return Words(ParseFrame(Exchange(device, ReadBlock(module))));
}

inline const Bytes kAck = {0xFE, 0xBB};

}  // namespace fenwave::sim::test
