// The binding table: one list of the non-band slots per module, laid over the EQ band pattern
// that is generated for every module with bands. Everything is built at compile time.
#include "model/BindingData.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>

namespace fenwave {
namespace {

using enum WidgetKind;

// ---------------------------------------------------------------------------------------------
// Non-band slots.

struct SlotRow {
  int slot = 0;
  BindingEntry entry;
};

constexpr SlotRow Slider(int slot, std::string_view bar, std::string_view pane, int max, int format,
                         std::string_view spin = {}) {
  SlotRow row{slot, {}};
  row.entry.value = {bar, kSlider};
  row.entry.companion = {pane, kValuePane};
  if (!spin.empty()) row.entry.step = {spin, kSpinButtons};
  row.entry.sliderMax = max;
  row.entry.displayFormat = format;
  return row;
}

// A bitmap button, with the second button of a two-button setting as its companion.
constexpr SlotRow Button(int slot, std::string_view name, ButtonRole role,
                         std::string_view partner = {}) {
  SlotRow row{slot, {}};
  row.entry.value = {name, kBitmapButton, role};
  if (!partner.empty()) row.entry.companion = {partner, kBitmapButton, role};
  return row;
}

// A drop-down list, with the picture button over its arrow as companion.
constexpr SlotRow List(int slot, std::string_view name, std::string_view picture = {}) {
  SlotRow row{slot, {}};
  row.entry.value = {name, kDropDownList};
  if (!picture.empty()) row.entry.companion = {picture, kBitmapButton};
  return row;
}

// Only a step control, laid over a band slot.
constexpr SlotRow StepButton(int slot, std::string_view name) {
  SlotRow row{slot, {}};
  row.entry.step = {name, kBitmapButton};
  return row;
}

constexpr ButtonRole kPhase = ButtonRole::kPhase;
constexpr ButtonRole kSwitch = ButtonRole::kSwitch;
constexpr ButtonRole kRadio = ButtonRole::kRadio;

constexpr std::array kMusicRows = {
    Button(0, "AutoModeBtn", ButtonRole::kMode, "ManulModeBtn"),
    Button(1, "DiscoModeBtn", ButtonRole::kBank, "SingModeBtn"),
    Button(3, "MusEQAllpassBtn", kSwitch),
    StepButton(4, "MusEQBmpBtn1"),
};

constexpr std::array kMicRows = {
    Slider(0, "MicHPFreBar", "MicHPFrePane", 143, 6, "MicHPFreUpDownBtn"),
    Button(1, "MicFBERadioBtn1", kRadio),
    Button(3, "MicEQAllpassBtn", kSwitch),
};

constexpr std::array kEchoRows = {
    Button(0, "EchoEffPhaseBtn", kPhase),
    Slider(1, "EchoEffLevelBar", "EchoEffLevelPane", 100, 8),
    Button(2, "EchoDirectPhaseBtn", kPhase),
    Slider(3, "EchoDirectLevelBar", "EchoDirectLevelPane", 100, 8),
    Slider(4, "EchoHPFreBar", "EchoHPFrePane", 241, 13, "EchoHPFreUpDownBtn"),
    Slider(5, "EchoLPFreBar", "EchoLPFrePane", 194, 7, "EchoLPFreUpDownBtn"),
    Slider(6, "EchoPreDelayBar", "EchoPreDelayPane", 125, 11),
    Slider(7, "EchoTimeBar", "EchoTimePane", 250, 11),
    Slider(8, "EchoRepeatBar", "EchoRepeatPane", 90, 8),
    Slider(9, "EchoRTimeBar", "EchoRTimePane", 100, 10),
    Slider(10, "EchoRPreDelayBar", "EchoRPreDelayPane", 50, 8),
    Button(12, "EchoEQAllpassBtn", kSwitch),
};

constexpr std::array kReverbRows = {
    Button(0, "RvbEffPhaseBtn", kPhase),
    Slider(1, "RvbEffLevelBar", "RvbEffLevelPane", 100, 8),
    // The direct-sound phase button is its own companion.
    Button(2, "RvbDirectPhaseBtn", kPhase, "RvbDirectPhaseBtn"),
    Slider(3, "RvbDirectLevelBar", "RvbDirectLevelPane", 100, 8),
    Slider(4, "RvbTimeBar", "RvbTimePane", 80, 12),
    Slider(5, "RvbPreDelayBar", "RvbPreDelayPane", 100, 11),
    Slider(6, "RvbHPFreBar", "RvbHPFrePane", 241, 13, "RvbHPFreUpDownBtn"),
    Slider(7, "RvbLPFreBar", "RvbLPFrePane", 194, 7, "RvbLPFreUpDownBtn"),
};

constexpr std::array kMainRows = {
    Slider(0, "MainMusLevelBar", "MainMusLevelPane", 100, 9),
    Button(2, "MainMusPhaseBtn", kPhase),
    Slider(4, "MainMicLevelBar", "MainMicLevelPane", 100, 9),
    Button(6, "MainMicPhaseBtn", kPhase),
    Slider(8, "MainEchoLevelBar", "MainEchoLevelPane", 100, 9),
    Button(10, "MainEchoPhaseBtn", kPhase),
    Slider(12, "MainRvbLevelBar", "MainRvbLevelPane", 100, 9),
    Button(14, "MainRvbPhaseBtn", kPhase),
    Slider(16, "MainMusHPFreBar", "MainMusHPFrePane", 143, 6, "MainHPFreUpDownBtn"),
    Button(18, "MainMusHPslope", kRadio, "MainMusHPslope2"),
    Slider(20, "MainRmsAttackBar", "MainRmsAttackPane", 15, 17),
    Slider(21, "MainRmsReleaseBar", "MainRmsReleasePane", 7, 16),
    Slider(22, "MainRmsLevelBar", "MainRmsLevelPane", 34, 14),
    Slider(23, "MainRmsRatioBar", "MainRmsRatioPane", 40, 15),
    Slider(24, "MainLdelayBar", "MainLdelayPane", 500, 18),
    Slider(25, "MainRdelayBar", "MainRdelayPane", 500, 18),
    Button(26, "MainLmuteBtn", kSwitch),
    Button(27, "MainRmuteBtn", kSwitch),
    Button(29, "MainEQAllpassBtn", kSwitch),
};

constexpr std::array kSubRows = {
    Slider(0, "SubMusLevelBar", "SubMusLevelPane", 200, 9),
    Button(2, "SubMusPhaseBtn", kPhase),
    Slider(4, "SubMicLevelBar", "SubMicLevelPane", 200, 9),
    Button(6, "SubMicPhaseBtn", kPhase),
    List(8, "SubMusHPType", "SubMusHPTypeBtn"),
    Slider(10, "SubMusHPFreBar", "SubMusHPFrePane", 143, 6, "SubHPFreUpDownBtn"),
    Slider(12, "SubMusHPuserQBar", "SubMusHPuserQPane", 23, 19, "SubMusHPuserQUpDownBtn"),
    List(14, "SubMusLPType", "SubMusLPTypeBtn"),
    Slider(16, "SubMusLPFreBar", "SubMusLPFrePane", 143, 6, "SubLPFreUpDownBtn"),
    Slider(18, "SubMusLPuserQBar", "SubMusLPuserQPane", 23, 19, "SubMusLPuserQUpDownBtn"),
    Slider(20, "SubRmsAttackBar", "SubRmsAttackPane", 15, 17),
    Slider(21, "SubRmsReleaseBar", "SubRmsReleasePane", 7, 16),
    Slider(22, "SubRmsLevelBar", "SubRmsLevelPane", 34, 14),
    Slider(23, "SubRmsRatioBar", "SubRmsRatioPane", 40, 15),
    Slider(24, "SubdelayBar", "SubdelayPane", 500, 18),
    Button(25, "SubmuteBtn", kSwitch),
    Button(27, "SubEQAllpassBtn", kSwitch),
};

constexpr std::array kCenterRows = {
    Slider(0, "CenterMusLevelBar", "CenterMusLevelPane", 100, 9),
    Button(2, "CenterMusPhaseBtn", kPhase),
    Slider(4, "CenterMicLevelBar", "CenterMicLevelPane", 100, 9),
    Button(6, "CenterMicPhaseBtn", kPhase),
    Slider(8, "CenterEchoLevelBar", "CenterEchoLevelPane", 100, 9),
    Button(10, "CenterEchoPhaseBtn", kPhase),
    Slider(12, "CenterRvbLevelBar", "CenterRvbLevelPane", 100, 9),
    Button(14, "CenterRvbPhaseBtn", kPhase),
    Slider(16, "CenterMusHPFreBar", "CenterMusHPFrePane", 143, 6, "CenterHPFreUpDownBtn"),
    Button(18, "CenterMusHPslope", kRadio, "CenterMusHPslope2"),
    Slider(20, "CenterRmsAttackBar", "CenterRmsAttackPane", 15, 17),
    Slider(21, "CenterRmsReleaseBar", "CenterRmsReleasePane", 7, 16),
    Slider(22, "CenterRmsLevelBar", "CenterRmsLevelPane", 34, 14),
    Slider(23, "CenterRmsRatioBar", "CenterRmsRatioPane", 40, 15),
    Slider(24, "CenterdelayBar", "CenterdelayPane", 500, 18),
    Button(25, "CentermuteBtn", kSwitch),
    Button(27, "CenterEQAllpassBtn", kSwitch),
};

constexpr std::array kSurroundRows = {
    Slider(0, "SurMusLevelBar", "SurMusLevelPane", 100, 9),
    Button(2, "SurMusPhaseBtn", kPhase),
    Slider(4, "SurMicLevelBar", "SurMicLevelPane", 100, 9),
    Button(6, "SurMicPhaseBtn", kPhase),
    Slider(8, "SurEchoLevelBar", "SurEchoLevelPane", 100, 9),
    Button(10, "SurEchoPhaseBtn", kPhase),
    Slider(12, "SurRvbLevelBar", "SurRvbLevelPane", 100, 9),
    Button(14, "SurRvbPhaseBtn", kPhase),
    Slider(16, "SurMusHPFreBar", "SurMusHPFrePane", 143, 6, "SurHPFreUpDownBtn"),
    Slider(18, "SurRmsAttackBar", "SurRmsAttackPane", 15, 17),
    Slider(19, "SurRmsReleaseBar", "SurRmsReleasePane", 7, 16),
    Slider(20, "SurRmsLevelBar", "SurRmsLevelPane", 34, 14),
    Slider(21, "SurRmsRatioBar", "SurRmsRatioPane", 40, 15),
    Slider(22, "SurLdelayBar", "SurLdelayPane", 500, 18),
    Slider(23, "SurRdelayBar", "SurRdelayPane", 500, 18),
    Button(24, "SurLmuteBtn", kSwitch),
    Button(25, "SurRmuteBtn", kSwitch),
    Button(27, "SurEQAllpassBtn", kSwitch),
};

// The System volume panes carry code 0: their text comes from the volume handler.
constexpr std::array kSystemRows = {
    List(2, "SysModeBox"),
    List(3, "SysMusInputLevelBox"),
    Slider(6, "SysMusStartVolBar", "SysMusStartVolPane", 84, 0),
    Slider(7, "SysMusMaxVolBar", "SysMusMaxVolPane", 84, 0),
    Slider(8, "SysMicStartVolBar", "SysMicStartVolPane", 84, 0),
    Slider(9, "SysMicMaxVolBar", "SysMicMaxVolPane", 84, 0),
    Slider(10, "SysEffStartVolBar", "SysEffStartVolPane", 84, 0),
    Slider(11, "SysEffMaxVolBar", "SysEffMaxVolPane", 84, 0),
    Button(12, "SysUserBtn", kRadio),
    Button(13, "SysPanelBtn1", kRadio),
    // The input port button is its own companion.
    Button(14, "SysInput", kRadio, "SysInput"),
    Slider(32, "SysMusNormalVolBar", "SysMusNormalVolPane", 84, 0),
    Slider(33, "SysMicNormalVolBar", "SysMicNormalVolPane", 84, 0),
    Slider(34, "SysEffNormalVolBar", "SysEffNormalVolPane", 84, 0),
};

// Module 2 (microphone group B) and module 10 have no controls.
constexpr std::array<std::span<const SlotRow>, kModuleCount> kModuleRows = {
    kMusicRows,  kMicRows,      {},          kEchoRows, kReverbRows, kMainRows, kSubRows,
    kCenterRows, kSurroundRows, kSystemRows, {},
};

// ---------------------------------------------------------------------------------------------
// EQ band pattern. Band k (1-based) of a module with prefix P and group-box/spin prefix Q:
// PModeBoxk; PFreEditk / QFreGropk / QFreUpDownBtnk; the same for Gain; PQEditk / QQGropk /
// QQUpDownBtnk on both Q fields.

struct BandPrefix {
  std::string_view value; // edit boxes and type list
  std::string_view frame; // group boxes and spin buttons
};

constexpr std::array<BandPrefix, kModuleCount> kBandPrefixes = {{
    {"Mus", "Mus"},
    {"Mic", "MIc"},
    {}, // microphone group B: no controls of its own
    {"Echo", "Echo"},
    {},
    {"Main", "Main"},
    {"Sub", "Sub"},
    {"Center", "Center"},
    {"Sur", "Sur"},
    {},
    {},
}};

struct BandPiece {
  bool framePrefix;
  std::string_view stem;
};

constexpr std::array<BandPiece, 10> kBandPieces = {{
    {false, "ModeBox"},
    {false, "FreEdit"},
    {true, "FreGrop"},
    {true, "FreUpDownBtn"},
    {false, "GainEdit"},
    {true, "GainGrop"},
    {true, "GainUpDownBtn"},
    {false, "QEdit"},
    {true, "QGrop"},
    {true, "QUpDownBtn"},
}};

constexpr std::size_t NumberLength(int k) {
  return k >= 10 ? 2 : 1;
} // at most 15 bands

constexpr std::size_t PieceLength(const BandPrefix& p, const BandPiece& piece, int k) {
  return (piece.framePrefix ? p.frame : p.value).size() + piece.stem.size() + NumberLength(k);
}

constexpr bool HasBandControls(int module) {
  return !kBandPrefixes[static_cast<std::size_t>(module)].value.empty() &&
         EqBandCount[static_cast<std::size_t>(module)] > 0;
}

constexpr std::size_t BandNamePoolSize() {
  std::size_t size = 0;
  for (int m = 0; m < kModuleCount; ++m) {
    if (!HasBandControls(m)) continue;
    const BandPrefix& p = kBandPrefixes[static_cast<std::size_t>(m)];
    for (int k = 1; k <= EqBandCount[static_cast<std::size_t>(m)]; ++k)
      for (const BandPiece& piece : kBandPieces)
        size += PieceLength(p, piece, k);
  }
  return size;
}

// All band control names back to back, in module, band and piece order.
constexpr auto BuildBandNamePool() {
  std::array<char, BandNamePoolSize()> pool{};
  std::size_t at = 0;
  auto append = [&](std::string_view s) {
    for (char c : s)
      pool[at++] = c;
  };
  for (int m = 0; m < kModuleCount; ++m) {
    if (!HasBandControls(m)) continue;
    const BandPrefix& p = kBandPrefixes[static_cast<std::size_t>(m)];
    for (int k = 1; k <= EqBandCount[static_cast<std::size_t>(m)]; ++k) {
      for (const BandPiece& piece : kBandPieces) {
        append(piece.framePrefix ? p.frame : p.value);
        append(piece.stem);
        if (k >= 10) pool[at++] = static_cast<char>('0' + k / 10);
        pool[at++] = static_cast<char>('0' + k % 10);
      }
    }
  }
  return pool;
}

constexpr auto kBandNamePool = BuildBandNamePool();

using BindingTableData = std::array<std::array<BindingEntry, kBindingSlots>, kModuleCount>;

constexpr void Overlay(BindingEntry& e, const BindingEntry& row) {
  if (!row.value.empty()) {
    e.value = row.value;
    e.sliderMax = row.sliderMax;
    e.displayFormat = row.displayFormat;
  }
  if (!row.companion.empty()) e.companion = row.companion;
  if (!row.step.empty()) e.step = row.step;
}

constexpr BindingTableData BuildTable() {
  BindingTableData table{};
  std::size_t at = 0;
  for (int m = 0; m < kModuleCount; ++m) {
    if (!HasBandControls(m)) continue;
    const BandPrefix& p = kBandPrefixes[static_cast<std::size_t>(m)];
    auto& row = table[static_cast<std::size_t>(m)];
    for (int k = 1; k <= EqBandCount[static_cast<std::size_t>(m)]; ++k) {
      std::array<std::string_view, kBandPieces.size()> name{};
      for (std::size_t i = 0; i < kBandPieces.size(); ++i) {
        const std::size_t length = PieceLength(p, kBandPieces[i], k);
        name[i] = std::string_view(kBandNamePool.data() + at, length);
        at += length;
      }
      const int typeSlot = FirstBandSlot[static_cast<std::size_t>(m)] + kBandFields * (k - 1);
      const auto s = static_cast<std::size_t>(typeSlot);
      row[s].value = {name[0], kDropDownList};
      row[s].displayFormat = 1;
      row[s + 1] = {{name[1], kEditBox}, {name[2], kGroupBox}, {name[3], kSpinButtons}, 0, 2};
      row[s + 2] = {{name[4], kEditBox}, {name[5], kGroupBox}, {name[6], kSpinButtons}, 0, 3};
      // One Q edit serves both Q fields; the one in force depends on the band type.
      row[s + 3] = {{name[7], kEditBox}, {name[8], kGroupBox}, {name[9], kSpinButtons}, 0, 4};
      row[s + 4] = row[s + 3];
    }
  }
  for (int m = 0; m < kModuleCount; ++m) {
    for (const SlotRow& r : kModuleRows[static_cast<std::size_t>(m)]) {
      if (r.slot < 0 || r.slot >= ModuleSlotCount[static_cast<std::size_t>(m)])
        throw "binding row outside the module's slots"; // stops compilation
      Overlay(table[static_cast<std::size_t>(m)][static_cast<std::size_t>(r.slot)], r.entry);
    }
  }
  return table;
}

constexpr BindingTableData kBindingTable = BuildTable();
constexpr BindingEntry kNoBinding{};

// Which controls of a slot receive its address (value, companion, step).
constexpr bool TaggedAsValue(WidgetKind k) {
  return k == kDropDownList || k == kSlider || k == kButton || k == kBitmapButton || k == kEditBox;
}
constexpr bool TaggedAsCompanion(WidgetKind k) {
  return k == kDropDownList || k == kValuePane || k == kBitmapButton || k == kGroupBox;
}
constexpr bool TaggedAsStep(WidgetKind k) {
  return k == kBitmapButton || k == kSpinButtons;
}

// Calls f(control, address) for every tag write of the binding rule, in order.
template <typename F> void ForEachTagWrite(F&& f) {
  for (int m = 0; m < kModuleCount; ++m) {
    const int slots = std::min(ModuleSlotCount[static_cast<std::size_t>(m)], kBindingSlots);
    for (int s = 0; s < slots; ++s) {
      const BindingEntry& e =
          kBindingTable[static_cast<std::size_t>(m)][static_cast<std::size_t>(s)];
      const ParamAddress a = MakeAddress(m, s);
      if (!e.value.empty() && TaggedAsValue(e.value.kind)) f(e.value, a);
      if (!e.companion.empty() && TaggedAsCompanion(e.companion.kind)) f(e.companion, a);
      if (!e.step.empty() && TaggedAsStep(e.step.kind)) f(e.step, a);
    }
  }
}

} // namespace

const BindingEntry& BindingAt(int module, int slot) {
  if (module < 0 || module >= kModuleCount || slot < 0 || slot >= kBindingSlots) return kNoBinding;
  return kBindingTable[static_cast<std::size_t>(module)][static_cast<std::size_t>(slot)];
}

const BindingEntry& BindingAt(ParamAddress a) {
  if (a < 0) return kNoBinding;
  return BindingAt(ModuleOf(a), SlotOf(a));
}

std::vector<ControlTag> ControlTags() {
  std::vector<ControlTag> tags;
  std::unordered_map<std::string_view, std::size_t> index;
  ForEachTagWrite([&](const BoundControl& c, ParamAddress a) {
    const auto [it, inserted] = index.try_emplace(c.name, tags.size());
    if (inserted) {
      tags.push_back({c.name, c.kind, a});
    } else {
      tags[it->second].address = a; // the later slot wins
    }
  });
  // The further buttons of a radio group are not in the table; they carry the group's address.
  for (const RadioButton& b : RadioButtons) {
    if (index.try_emplace(b.name, tags.size()).second)
      tags.push_back({b.name, kBitmapButton, b.group});
  }
  return tags;
}

std::optional<ParamAddress> ControlTagOf(std::string_view name) {
  std::optional<ParamAddress> tag;
  ForEachTagWrite([&](const BoundControl& c, ParamAddress a) {
    if (c.name == name) tag = a;
  });
  if (tag) return tag;
  for (const RadioButton& b : RadioButtons) {
    if (b.name == name) return b.group;
  }
  return std::nullopt;
}

std::span<const RadioButton> RadioGroupMembers(ParamAddress group) {
  std::size_t first = 0;
  while (first < RadioButtons.size() && RadioButtons[first].group != group)
    ++first;
  std::size_t last = first;
  while (last < RadioButtons.size() && RadioButtons[last].group == group)
    ++last;
  return std::span<const RadioButton>(RadioButtons).subspan(first, last - first);
}

} // namespace fenwave
