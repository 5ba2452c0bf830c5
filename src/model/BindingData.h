// Which controls of the main window show, frame and step each parameter address: the data of
// the binding table (names, widget kinds, slider ranges, display formats), the radio groups,
// and the address every bound control carries in its tag.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/Address.h"

namespace fenwave {

// The widget a control is; the tag rule and the handlers depend on it.
enum class WidgetKind : std::uint8_t {
  kNone,
  kSlider,
  kValuePane,
  kEditBox,
  kDropDownList,
  kBitmapButton,
  kButton, // a plain push button; no bound control is one, but the tag rule names it
  kGroupBox,
  kSpinButtons,
};

// What a bound bitmap button does when clicked; the values are the ControlKind codes that
// its click applies.
enum class ButtonRole : std::uint8_t {
  kNone = 0,
  kPage = 10,
  kSwitch = 11, // mute and EQ pass toggles
  kPhase = 14,
  kMode = 16, // operating mode (automatic / manual)
  kBank = 17, // sing / dance
  kRadio = 18,
  kMicGroup = 19,
  kLink = 20,
};

struct BoundControl {
  std::string_view name; // the control's objectName; empty when there is none
  WidgetKind kind = WidgetKind::kNone;
  ButtonRole role = ButtonRole::kNone; // bitmap buttons only
  [[nodiscard]] constexpr bool empty() const { return name.empty(); }
};

// One slot of the binding table.
struct BindingEntry {
  BoundControl value;     // ValueControl: shows and edits the value
  BoundControl companion; // CompanionControl: value pane, band group box or partner button
  BoundControl step;      // StepControl: spin buttons (or MusEQBmpBtn1 at 0x0004)
  int sliderMax = 0;      // the slider's maximum position when value is a slider
  // DisplayFormat in the hint of the value pane (slider slots), of the band edit box (2, 3, 4)
  // or of the band-type list (1); 0 where the control carries none.
  int displayFormat = 0;
};

// Entry of (module, slot); the empty entry outside modules 0..10 × slots 0..80.
[[nodiscard]] const BindingEntry& BindingAt(int module, int slot);
[[nodiscard]] const BindingEntry& BindingAt(ParamAddress a);

// A control and the address its tag holds.
struct ControlTag {
  std::string_view name;
  WidgetKind kind = WidgetKind::kNone;
  ParamAddress address = 0;
};

// Every control that carries an address in its tag, each once: the bound controls by the
// binding rule (modules and slots ascending below ModuleSlotCount, the later slot wins), in
// order of their first slot, followed by the radio buttons outside the table, which carry
// their group's address.
[[nodiscard]] std::vector<ControlTag> ControlTags();
// The tag of one control by name; empty for a control that carries no address.
[[nodiscard]] std::optional<ParamAddress> ControlTagOf(std::string_view name);

// Radio groups: each button's hint holds its value (0, 1, 2, 3 from left to right), its tag
// the group's address.
struct RadioButton {
  std::string_view name;
  ParamAddress group = 0;
  int value = 0;
};

inline constexpr std::array<RadioButton, 17> RadioButtons = {{
    {"MicFBERadioBtn1", 0x0101, 0},
    {"MicFBERadioBtn2", 0x0101, 1},
    {"MicFBERadioBtn3", 0x0101, 2},
    {"MicFBERadioBtn4", 0x0101, 3},
    {"MainMusHPslope", 0x0512, 0},
    {"MainMusHPslope2", 0x0512, 1},
    {"CenterMusHPslope", 0x0712, 0},
    {"CenterMusHPslope2", 0x0712, 1},
    {"SysMusInputLevel", 0x0903, 0},
    {"SysMusInputLevel2", 0x0903, 1},
    {"SysMusInputLevel3", 0x0903, 2},
    {"SysUserBtn", 0x090C, 0},
    {"SysManagerBtn", 0x090C, 1},
    {"SysPanelBtn1", 0x090D, 0},
    {"SysPanelBtn2", 0x090D, 1},
    {"SysInput", 0x090E, 0},
    {"SysInput2", 0x090E, 1},
}};

// The buttons of the group at `group`, left to right; empty when no group has that address.
[[nodiscard]] std::span<const RadioButton> RadioGroupMembers(ParamAddress group);

} // namespace fenwave
