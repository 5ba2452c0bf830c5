// The serial line's two frame formats: the CommandFrame that travels in both directions and
// the device's two-byte AckFrame. Shared by the application and the simulated device.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/Address.h"

namespace fenwave {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kFrameHeader0 = 0xFC;
inline constexpr std::uint8_t kFrameHeader1 = 0xB1;
inline constexpr std::uint8_t kFrameWrite = 0xA7;  // FrameType: write
inline constexpr std::uint8_t kFrameRead = 0xA0;   // FrameType: read request
inline constexpr std::uint8_t kAckHeader = 0xFE;
inline constexpr std::uint8_t kAckTaken = 0xBB;
inline constexpr std::uint8_t kAckTakenAlt = 0xAA;
inline constexpr std::size_t kMaxPayload = 251;   // LEN is one byte: N + 4 ≤ 255
inline constexpr std::size_t kFrameOverhead = 7;  // header, LEN, type, address, check

// Link-control codes sent at address 0x0930.
inline constexpr ParamAddress kLinkControlAddress = 0x0930;
inline constexpr std::uint8_t ConnectRequest = 0x11;
inline constexpr std::uint8_t KeepAlive = 0x66;
inline constexpr std::uint8_t DisconnectRequest = 0xAA;

// Command and request addresses of the system module.
inline constexpr ParamAddress kModeNameAddress = 0x0900;
inline constexpr ParamAddress kModeSaveAddress = 0x0901;
inline constexpr ParamAddress kModeRecallAddress = 0x0902;
inline constexpr ParamAddress kSystemPasswordAddress = 0x0904;
inline constexpr ParamAddress kKeypadPasswordAddress = 0x0905;
inline constexpr ParamAddress kBlockWriteAddress = 0x090F;
inline constexpr ParamAddress kBlockReadAddress = 0x0910;
inline constexpr ParamAddress kDeviceCodeAddress = 0x0940;

// Address of the band frames of each module 0..8.
inline constexpr std::array<ParamAddress, kEqModules> BandFrameAddress = {
    0x0002, 0x0102, 0x0202, 0x030B, 0x0408, 0x051C, 0x061A, 0x071A, 0x081A};

// CHECK = ((0xFC + type + address high + address low + Σ payload) mod 256) XOR 0xB1.
[[nodiscard]] std::uint8_t FrameCheck(std::uint8_t type, std::uint8_t addressHigh,
                                      std::uint8_t addressLow,
                                      std::span<const std::uint8_t> payload);

// Builds a whole CommandFrame; the payload must hold at most kMaxPayload bytes (longer
// payloads are cut there, since LEN could not describe them).
[[nodiscard]] Bytes BuildFrame(std::uint8_t type, ParamAddress address,
                               std::span<const std::uint8_t> payload);

// Appends a 16-bit value low byte first, as every payload carries it.
void AppendWord(Bytes& payload, std::uint32_t value);

// A received frame taken apart; `valid` is false when the bytes do not form a CommandFrame.
struct ParsedFrame {
  bool valid = false;
  std::uint8_t type = 0;
  int module = 0;
  int slot = 0;
  Bytes payload;
  bool checkOk = false;
};
[[nodiscard]] ParsedFrame ParseFrame(std::span<const std::uint8_t> frame);

}  // namespace fenwave
