#include "sim/DeviceState.h"

#include <algorithm>

namespace fenwave::sim {
namespace {

using Kind = Outcome::Kind;

// One non-band setting's starting value in each bank. For the modules without banks the
// dance value is ignored (both banks share one entry there).
struct StartSetting {
  int module;
  int slot;
  std::uint16_t sing;
  std::uint16_t dance;
};

// Slots left out stay 0: EQ pass switches (EQ active), mutes (not muted), and the slots
// that no setting uses.
constexpr StartSetting kStartSettings[] = {
    // Music: manual operating mode, sing bank in force.
    {kMusic, 0, 1, 1},
    {kMusic, 1, 0, 0},
    // Microphone groups A and B: high-pass step, feedback suppression.
    {kMicA, 0, 30, 30},
    {kMicA, 1, 2, 2},
    {kMicB, 0, 45, 45},
    {kMicB, 1, 1, 1},
    // Echo: phases, levels, high-pass, low-pass, pre-delay, delay, repeat, right offsets.
    {kEcho, 0, 1, 1},
    {kEcho, 1, 70, 70},
    {kEcho, 2, 1, 1},
    {kEcho, 3, 85, 85},
    {kEcho, 4, 40, 40},
    {kEcho, 5, 150, 150},
    {kEcho, 6, 20, 20},
    {kEcho, 7, 120, 120},
    {kEcho, 8, 45, 45},
    {kEcho, 9, 10, 10},
    {kEcho, 10, 5, 5},
    // Reverb: phases, levels, time, pre-delay, high-pass, low-pass.
    {kReverb, 0, 1, 1},
    {kReverb, 1, 60, 60},
    {kReverb, 2, 1, 1},
    {kReverb, 3, 80, 80},
    {kReverb, 4, 40, 40},
    {kReverb, 5, 25, 25},
    {kReverb, 6, 30, 30},
    {kReverb, 7, 170, 170},
    // Main output: four levels with phases, high-pass and slope per bank; limiter, delays.
    {kMain, 0, 80, 90},
    {kMain, 2, 1, 1},
    {kMain, 4, 75, 60},
    {kMain, 6, 1, 1},
    {kMain, 8, 50, 40},
    {kMain, 10, 1, 1},
    {kMain, 12, 45, 35},
    {kMain, 14, 1, 0},
    {kMain, 16, 10, 20},
    {kMain, 18, 0, 1},
    {kMain, 20, 5, 5},
    {kMain, 21, 3, 3},
    {kMain, 22, 30, 30},
    {kMain, 23, 10, 10},
    {kMain, 24, 12, 12},
    {kMain, 25, 12, 12},
    // Subwoofer: levels up to 200, filter types, frequencies and user Qs per bank.
    {kSub, 0, 120, 150},
    {kSub, 2, 1, 1},
    {kSub, 4, 40, 30},
    {kSub, 6, 1, 1},
    {kSub, 8, 1, 2},
    {kSub, 10, 5, 8},
    {kSub, 12, 10, 12},
    {kSub, 14, 2, 1},
    {kSub, 16, 60, 70},
    {kSub, 18, 10, 14},
    {kSub, 20, 4, 4},
    {kSub, 21, 2, 2},
    {kSub, 22, 28, 28},
    {kSub, 23, 12, 12},
    {kSub, 24, 20, 20},
    // Center output: as the main output, one delay.
    {kCenter, 0, 70, 85},
    {kCenter, 2, 1, 1},
    {kCenter, 4, 70, 55},
    {kCenter, 6, 1, 1},
    {kCenter, 8, 45, 35},
    {kCenter, 10, 1, 1},
    {kCenter, 12, 40, 30},
    {kCenter, 14, 1, 1},
    {kCenter, 16, 12, 24},
    {kCenter, 18, 1, 0},
    {kCenter, 20, 6, 6},
    {kCenter, 21, 3, 3},
    {kCenter, 22, 28, 28},
    {kCenter, 23, 12, 12},
    {kCenter, 24, 30, 30},
    // Surround output: banked pairs end below slot 18.
    {kSurround, 0, 65, 80},
    {kSurround, 2, 1, 1},
    {kSurround, 4, 50, 40},
    {kSurround, 6, 1, 1},
    {kSurround, 8, 55, 45},
    {kSurround, 10, 1, 1},
    {kSurround, 12, 60, 50},
    {kSurround, 14, 1, 1},
    {kSurround, 16, 15, 25},
    {kSurround, 18, 5, 5},
    {kSurround, 19, 3, 3},
    {kSurround, 20, 30, 30},
    {kSurround, 21, 10, 10},
    {kSurround, 22, 40, 40},
    {kSurround, 23, 40, 40},
    // System: stored-mode count, device mode, music input gain, start-up and maximum
    // volumes, user level, keypad lock, input port, everyday volumes.
    {kSystem, 1, 15, 15},
    {kSystem, 2, 0, 0},
    {kSystem, 3, 1, 1},
    {kSystem, 6, 40, 40},
    {kSystem, 7, 70, 70},
    {kSystem, 8, 45, 45},
    {kSystem, 9, 72, 72},
    {kSystem, 10, 38, 38},
    {kSystem, 11, 66, 66},
    {kSystem, 12, 0, 0},
    {kSystem, 13, 1, 1},
    {kSystem, 14, 0, 0},
    {kSystem, 32, 50, 50},
    {kSystem, 33, 52, 52},
    {kSystem, 34, 48, 48},
};

constexpr std::array<const char*, kModeCount> kModeNames = {
    "KTV",  "Party", "Concert", "Cinema", "Jazz",      "Rock",   "Pop",   "Classic",
    "Vocal", "Ballad", "Dance", "News",   "Live Show", "Studio", "Night",
};

constexpr const char* kStartSystemPassword = "314159";
constexpr const char* kStartKeypadPassword = "2718";
constexpr std::array<std::uint8_t, 4> kManagementCode = {0x5A, 0x3C, 0x9E, 0x17};

constexpr std::uint16_t kUnityGain = 120;  // gain step of 0 dB

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// Entries of block m that hold `slot` in either bank: one entry, or two when the module keeps
// the slot per bank.
template <typename Fn>
void ForEachBankEntry(int module, int slot, Fn&& fn) {
  for (int bank = 0; bank < 2; ++bank) {
    const int entry = DeviceIndex(module, slot, bank);
    if (bank == 1 && entry == DeviceIndex(module, slot, 0)) break;
    fn(bank, entry);
  }
}

void FillBands(Store& store) {
  for (int m = 0; m < kEqModules; ++m) {
    const int bands = EqBandCount[Index(m)];
    for (int k = 0; k < bands; ++k) {
      const int first = FirstBandSlot[Index(m)] + kBandFields * k;
      // Shelves at both ends, peaking bands between; frequencies spread over the table.
      const int type = k == 0 ? 1 : (k == bands - 1 ? 2 : 0);
      const int frequency = (2 * k + 1) * 361 / (2 * bands);
      ForEachBankEntry(m, first, [&](int bank, int) {
        const int values[kBandFields] = {
            type,
            frequency + 3 * bank,
            kUnityGain - 5 + (k * 7 + m * 3 + bank * 5) % 11,
            20 + (k * 9 + m * 5 + bank * 7) % 60,
            4 + (k * 3 + m + bank) % 20,
        };
        for (int f = 0; f < kBandFields; ++f)
          store[Index(m)][Index(DeviceIndex(m, first + f, bank))] =
              static_cast<std::uint16_t>(values[f]);
      });
    }
  }
}

// Mode k differs from the starting store in every band gain (shifted up for even k, down for
// odd k) and in a few levels, so that a recall shows on every page.
Store ModeParameters(const Store& start, int k) {
  Store mode{};
  std::copy_n(start.begin(), kModeBlocks, mode.begin());
  const int shift = (k % 2 == 0 ? 1 : -1) * (3 + k);
  for (int m = 0; m < kEqModules; ++m) {
    for (int band = 0; band < EqBandCount[Index(m)]; ++band) {
      const int gainSlot = FirstBandSlot[Index(m)] + kBandFields * band + 2;
      ForEachBankEntry(m, gainSlot, [&](int, int entry) {
        std::uint16_t& gain = mode[Index(m)][Index(entry)];
        gain = static_cast<std::uint16_t>(gain + shift);
      });
    }
  }
  mode[kEcho][1] = static_cast<std::uint16_t>(30 + 4 * k);
  mode[kReverb][1] = static_cast<std::uint16_t>(25 + 3 * k);
  ForEachBankEntry(kMain, 0, [&](int, int entry) {
    mode[kMain][Index(entry)] = static_cast<std::uint16_t>(50 + 3 * k);
  });
  return mode;
}

std::uint16_t WordAt(const Bytes& payload, std::size_t i) {
  return static_cast<std::uint16_t>(payload[i] | (payload[i + 1] << 8));
}

Outcome Ack(bool changed) { return {Kind::Ack, 0, {}, changed}; }

Outcome Reply(ParamAddress address, Bytes payload) {
  return {Kind::Reply, address, std::move(payload), false};
}

// Entries a block read answers with and a block upload carries: the module's slots, and for
// the music module the dance bank's 52 more.
int BlockEntryCount(int module) {
  if (module < 0 || module >= kModuleCount) return 0;
  return ModuleSlotCount[Index(module)] + (module == kMusic ? 52 : 0);
}

bool StoreAt(DeviceState& state, int module, int entry, std::uint16_t value) {
  if (module < 0 || module >= kModuleCount || entry < 0 || entry >= kDeviceEntries) return false;
  state.store[Index(module)][Index(entry)] = value;
  return true;
}

// A parameter write names the setting as the controls see it (module, slot); the bank it
// belongs to is the one the device's own bank switch holds, exactly as the application's
// DeviceImage files it.
Outcome WriteParameter(DeviceState& state, int module, int slot, const Bytes& payload) {
  if (payload.size() < 2) return Ack(false);
  const int entry = DeviceIndex(module, slot, CurrentBank(state));
  return Ack(StoreAt(state, module, entry, WordAt(payload, 0)));
}

Outcome WriteBand(DeviceState& state, int module, const Bytes& payload) {
  const int band = WordAt(payload, 0);
  if (band >= EqBandCount[Index(module)]) return Ack(false);
  const int first = FirstBandSlot[Index(module)] + kBandFields * band;
  const int bank = CurrentBank(state);
  for (int f = 0; f < kBandFields; ++f)
    (void)StoreAt(state, module, DeviceIndex(module, first + f, bank),
                  WordAt(payload, 2 + 2 * Index(f)));
  return Ack(true);
}

Outcome WriteBlock(DeviceState& state, const Bytes& payload) {
  if (payload.size() < 2 || payload[0] >= kModuleCount) return Ack(false);
  const int module = payload[0];
  const std::size_t count = std::min<std::size_t>((payload.size() - 2) / 2, kDeviceEntries);
  for (std::size_t i = 0; i < count; ++i)
    state.store[Index(module)][i] = WordAt(payload, 2 + 2 * i);
  return Ack(count > 0);
}

Outcome SaveMode(DeviceState& state, const Bytes& payload) {
  if (payload.size() < 2 || payload[0] >= kModeCount) return Ack(false);
  StoredMode& mode = state.modes[payload[0]];
  mode.name.clear();
  for (std::size_t i = 2; i < payload.size() && mode.name.size() < kModeNameLength; ++i)
    mode.name.push_back(static_cast<char>(static_cast<std::uint8_t>(payload[i] + 0x20)));
  mode.parameters = Store{};
  std::copy_n(state.store.begin(), kModeBlocks, mode.parameters.begin());
  return Ack(true);
}

// The recall is a write of the system module's device-mode setting (slot 2): the device files
// the index there and loads the mode's blocks 0..8 into the store.
Outcome RecallMode(DeviceState& state, const Bytes& payload) {
  if (payload.size() < 2) return Ack(false);
  const std::uint16_t index = WordAt(payload, 0);
  if (index >= kModeCount) return Ack(false);
  const Store& saved = state.modes[index].parameters;
  std::copy_n(saved.begin(), kModeBlocks, state.store.begin());
  state.store[kSystem][SlotOf(kModeRecallAddress)] = index;
  return Ack(true);
}

// A password arrives as one byte 0..9 per digit; anything else leaves the password alone.
Outcome WritePassword(std::string& password, std::size_t digits, const Bytes& payload) {
  if (payload.size() != digits ||
      std::any_of(payload.begin(), payload.end(), [](std::uint8_t b) { return b > 9; }))
    return Ack(false);
  password.clear();
  for (const std::uint8_t digit : payload) password.push_back(static_cast<char>('0' + digit));
  return Ack(true);
}

Outcome ApplyWrite(DeviceState& state, ParamAddress address, const Bytes& payload) {
  const int module = ModuleOf(address);
  const int slot = SlotOf(address);
  switch (address) {
    case kLinkControlAddress:
      // Connect request, keep-alive and any other code are taken; the disconnect request
      // is the one frame the device leaves unanswered.
      if (!payload.empty() && payload[0] == DisconnectRequest) return {};
      return Ack(false);
    case kModeSaveAddress:
      return SaveMode(state, payload);
    case kModeRecallAddress:
      return RecallMode(state, payload);
    case kSystemPasswordAddress:
      return WritePassword(state.systemPassword, kSystemPasswordDigits, payload);
    case kKeypadPasswordAddress:
      return WritePassword(state.keypadPassword, kKeypadPasswordDigits, payload);
    case kBlockWriteAddress:
      return WriteBlock(state, payload);
    default:
      break;
  }
  if (module < kEqModules && address == BandFrameAddress[Index(module)] && payload.size() >= 12)
    return WriteBand(state, module, payload);
  return WriteParameter(state, module, slot, payload);
}

Bytes Words(const Block& block, int count) {
  Bytes payload;
  payload.reserve(2 * Index(count));
  for (int i = 0; i < count; ++i) AppendWord(payload, block[Index(i)]);
  return payload;
}

Bytes DigitBytes(const std::string& digits) {
  Bytes payload;
  for (const char c : digits) payload.push_back(static_cast<std::uint8_t>(c - '0'));
  return payload;
}

// Every read request gets exactly one reply, an empty one for a request the device cannot
// serve, so that a reader waiting for the answer is never left hanging.
Outcome AnswerRead(const DeviceState& state, ParamAddress address, const Bytes& payload) {
  switch (address) {
    case kBlockReadAddress: {
      if (payload.empty()) return Reply(address, {});
      const int module = payload[0];
      if (module >= kModuleCount) return Reply(MakeAddress(module, 0), {});
      return Reply(MakeAddress(module, 0),
                   Words(state.store[Index(module)], BlockEntryCount(module)));
    }
    case kModeNameAddress: {
      if (payload.empty() || payload[0] >= kModeCount) return Reply(address, {});
      Bytes name;
      for (const char c : state.modes[payload[0]].name)
        name.push_back(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) - 0x20));
      return Reply(address, std::move(name));
    }
    case kSystemPasswordAddress:
      return Reply(address, DigitBytes(state.systemPassword));
    case kKeypadPasswordAddress:
      return Reply(address, DigitBytes(state.keypadPassword));
    case kDeviceCodeAddress:
      return Reply(address, Bytes(state.managementCode.begin(), state.managementCode.end()));
    default:
      break;
  }
  const int module = ModuleOf(address);
  const int slot = SlotOf(address);
  if (module >= kModuleCount || slot >= kDeviceEntries) return Reply(address, {});
  Bytes value;
  AppendWord(value, state.store[Index(module)][Index(slot)]);
  return Reply(address, std::move(value));
}

}  // namespace

DeviceState StartingState() {
  DeviceState state;
  for (const StartSetting& s : kStartSettings) {
    ForEachBankEntry(s.module, s.slot, [&](int bank, int entry) {
      state.store[Index(s.module)][Index(entry)] = bank == 0 ? s.sing : s.dance;
    });
  }
  FillBands(state.store);
  for (int k = 0; k < kModeCount; ++k) {
    state.modes[Index(k)].name = kModeNames[Index(k)];
    state.modes[Index(k)].parameters = ModeParameters(state.store, k);
  }
  state.systemPassword = kStartSystemPassword;
  state.keypadPassword = kStartKeypadPassword;
  state.managementCode = kManagementCode;
  return state;
}

int CurrentBank(const DeviceState& state) {
  return state.store[kMusic][DeviceIndex(kMusic, 1, 0)] != 0 ? 1 : 0;
}

Outcome ApplyFrame(DeviceState& state, const ParsedFrame& frame) {
  if (!frame.valid) return {};
  const ParamAddress address = MakeAddress(frame.module, frame.slot);
  if (frame.type == kFrameWrite) return ApplyWrite(state, address, frame.payload);
  if (frame.type == kFrameRead) return AnswerRead(state, address, frame.payload);
  return {};
}

}  // namespace fenwave::sim
