#include "link/Frame.h"

#include <algorithm>

namespace fenwave {

std::uint8_t FrameCheck(std::uint8_t type, std::uint8_t addressHigh, std::uint8_t addressLow,
                        std::span<const std::uint8_t> payload) {
  unsigned sum = kFrameHeader0 + type + addressHigh + addressLow;
  for (const std::uint8_t b : payload)
    sum += b;
  return static_cast<std::uint8_t>((sum & 0xFFu) ^ kFrameHeader1);
}

Bytes BuildFrame(std::uint8_t type, ParamAddress address, std::span<const std::uint8_t> payload) {
  const std::size_t n = std::min(payload.size(), kMaxPayload);
  payload = payload.first(n);
  const auto high = static_cast<std::uint8_t>((address >> 8) & 0xFF);
  const auto low = static_cast<std::uint8_t>(address & 0xFF);
  Bytes frame;
  frame.reserve(n + kFrameOverhead);
  frame.push_back(kFrameHeader0);
  frame.push_back(kFrameHeader1);
  frame.push_back(static_cast<std::uint8_t>(n + 4));
  frame.push_back(type);
  frame.push_back(high);
  frame.push_back(low);
  frame.insert(frame.end(), payload.begin(), payload.end());
  frame.push_back(FrameCheck(type, high, low, payload));
  return frame;
}

void AppendWord(Bytes& payload, std::uint32_t value) {
  payload.push_back(static_cast<std::uint8_t>(value & 0xFF));
  payload.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

ParsedFrame ParseFrame(std::span<const std::uint8_t> frame) {
  ParsedFrame parsed;
  if (frame.size() < kFrameOverhead || frame[0] != kFrameHeader0 || frame[1] != kFrameHeader1)
    return parsed;
  const std::size_t len = frame[2];
  if (len < 4 || frame.size() != len + 3) return parsed;
  parsed.valid = true;
  parsed.type = frame[3];
  parsed.module = frame[4];
  parsed.slot = frame[5];
  parsed.payload.assign(frame.begin() + 6, frame.end() - 1);
  parsed.checkOk = FrameCheck(parsed.type, frame[4], frame[5], parsed.payload) == frame.back();
  return parsed;
}

}  // namespace fenwave
