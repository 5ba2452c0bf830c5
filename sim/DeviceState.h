// What the simulated audio processor holds (its parameter store in its own order, the fifteen
// stored modes, the two passwords, the management code) and how it answers one frame.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/Frame.h"
#include "model/Address.h"

namespace fenwave::sim {

inline constexpr int kModeCount = 15;
inline constexpr std::size_t kModeNameLength = 20;  // longest name the device keeps
inline constexpr std::size_t kSystemPasswordDigits = 6;
inline constexpr std::size_t kKeypadPasswordDigits = 4;
// Blocks a stored mode holds: the processing modules 0..8 (not the system block).
inline constexpr int kModeBlocks = kEqModules;

// 11 blocks × 113 entries in the device's order: block 0 holds both music banks (dance bank
// at entries 54..105), blocks 1 and 2 the two microphone groups, blocks 5..8 the outputs with
// each low setting in an even (sing) / odd (dance) pair.
using Block = std::array<std::uint16_t, kDeviceEntries>;
using Store = std::array<Block, kModuleCount>;

struct StoredMode {
  std::string name;
  Store parameters{};  // blocks 0..8 are used; the rest stay zero
};

struct DeviceState {
  Store store{};
  std::array<StoredMode, kModeCount> modes;
  std::string systemPassword;  // 6 decimal digits
  std::string keypadPassword;  // 4 decimal digits
  std::array<std::uint8_t, 4> managementCode{};
};

// The device as it comes out of the box: the same every time, every setting inside its
// range, both banks and both microphone groups distinct, and fifteen named modes whose
// parameter sets differ from the starting store.
[[nodiscard]] DeviceState StartingState();

// The bank in force (0 sing, 1 dance) as the device's own bank switch, block 0 entry 1, holds it.
[[nodiscard]] int CurrentBank(const DeviceState& state);

// What one well-formed frame makes the device do.
struct Outcome {
  enum class Kind { Nothing, Ack, Reply };
  Kind kind = Kind::Nothing;
  ParamAddress replyAddress = 0;  // for Kind::Reply
  Bytes replyPayload;             // for Kind::Reply
  bool changed = false;           // the store, a password or a mode was written
};

// Applies one frame to the state: every write frame (type 0xA7) is acknowledged except the
// disconnect request, every read request (type 0xA0) gets exactly one reply, any other type
// is ignored.
[[nodiscard]] Outcome ApplyFrame(DeviceState& state, const ParsedFrame& frame);

}  // namespace fenwave::sim
