// Parameter addresses (module × 256 + slot), the module table and the address classifications
// that the link, the EQ graph and the control handlers apply to an address.
#pragma once

#include <array>
#include <cstdint>

namespace fenwave {

using ParamAddress = std::int32_t;

enum ModuleIndex : int {
  kMusic = 0,
  kMicA = 1,
  kMicB = 2,
  kEcho = 3,
  kReverb = 4,
  kMain = 5,
  kSub = 6,
  kCenter = 7,
  kSurround = 8,
  kSystem = 9,
  kReserved = 10,
};

inline constexpr int kModuleCount = 11;       // modules 0..10
inline constexpr int kParameterSlots = 86;    // columns of a ParameterImage row
inline constexpr int kDeviceEntries = 113;    // entries of a DeviceImage block
inline constexpr int kBindingSlots = 81;      // slots covered by the binding table
inline constexpr int kEqModules = 9;          // modules 0..8 carry settings

// Number of slots each module uses (slots 0 .. count − 1).
inline constexpr std::array<int, kModuleCount> ModuleSlotCount = {54, 79, 79, 28, 8, 55,
                                                                  43, 53, 53, 35, 0};
// Slot of the first EQ band's type field; 0 for the modules without bands.
inline constexpr std::array<int, kModuleCount> FirstBandSlot = {4, 4, 4, 13, 0, 30,
                                                                28, 28, 28, 0, 0};
// EQ bands per module.
inline constexpr std::array<int, kModuleCount> EqBandCount = {10, 15, 15, 3, 0, 5,
                                                              3, 5, 5, 0, 0};
// EQ bands per page (pages 0..6).
inline constexpr std::array<int, 7> PageEqBandCount = {10, 15, 3, 5, 5, 3, 5};

inline constexpr int kBandFields = 5;  // type, frequency, gain, peaking Q, shelving Q
inline constexpr int kNotEqField = 255;

[[nodiscard]] constexpr ParamAddress MakeAddress(int module, int slot) {
  return module * 256 + slot;
}
[[nodiscard]] constexpr int ModuleOf(ParamAddress a) { return a / 256; }
[[nodiscard]] constexpr int SlotOf(ParamAddress a) { return a % 256; }

// Entry of the module's DeviceImage block that backs `slot` in `bank` (0 sing, 1 dance).
// The music module keeps its EQ pass switch and bands twice (dance bank at entries 54..105);
// the outputs keep each setting below slot 20 (18 for the surround) in an even/odd pair.
[[nodiscard]] constexpr int DeviceIndex(int module, int slot, int bank) {
  switch (module) {
    case kMusic:
      return slot < 2 ? slot : slot + 52 * bank;
    case kMain:
    case kSub:
    case kCenter:
      return slot <= 19 ? slot + bank : slot;
    case kSurround:
      return slot <= 17 ? slot + bank : slot;
    default:
      return slot;
  }
}

// Which element of the module's EQ curve an address belongs to and which field of it:
// element × 256 + field. Field 255 means the address is no EQ field. Filters follow the
// module's bands as further elements, every filter slot mapping to field 0.
[[nodiscard]] constexpr int EqElementOf(ParamAddress a) {
  const int m = ModuleOf(a);
  const int c = SlotOf(a);
  if ((m == kMicA || m == kMicB) && c == 0) return 15 * 256;
  if (m == kEcho && c == 4) return 3 * 256;
  if (m == kEcho && c == 5) return 4 * 256;
  if (m == kReverb) return 255 * 256;
  if ((m == kMain || m == kCenter || m == kSurround) && c == 16) return 5 * 256;
  if (m == kSub) {
    if (c == 8 || c == 10 || c == 12) return 3 * 256;
    if (c == 14 || c == 16 || c == 18) return 4 * 256;
  }
  if (m < 0 || m >= kModuleCount) return kNotEqField;
  const int first = FirstBandSlot[static_cast<std::size_t>(m)];
  if (EqBandCount[static_cast<std::size_t>(m)] == 0 || c < first) return kNotEqField;
  return ((c - first) / kBandFields) * 256 + (c - first) % kBandFields;
}

// Page (0..6) that shows the address.
[[nodiscard]] constexpr int PageOfAddress(ParamAddress a) {
  constexpr std::array<int, kModuleCount> kPageOfModule = {0, 1, 1, 2, 2, 3, 5, 4, 6, 0, 0};
  const int m = ModuleOf(a);
  if (m < 0 || m >= kModuleCount) return 0;
  return kPageOfModule[static_cast<std::size_t>(m)];
}

}  // namespace fenwave
