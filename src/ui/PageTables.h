// The main window's pages as data: the page list, the band strips of the seven EQ pages, and
// the rows of the panels under the band strips and of the slider columns beside the shared band
// editor. The page builder turns these tables into controls; nothing here knows a widget.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <variant>

#include "model/Address.h"

namespace fenwave {

inline constexpr int kPageCount = 8;
inline constexpr int kEqPageCount = 7;  // pages 0..6 have a band strip
inline constexpr int kSystemPage = 7;

struct PageEntry {
  std::string_view button{};  // page button, tag = page number
  std::string_view buttonCaption{};
  std::string_view sheet{};  // the page's sheet in the page container
  std::string_view sheetCaption{};
  int module = 0;  // ModuleIndex shown by the page
};

inline constexpr std::array<PageEntry, kPageCount> kPageTable = {{
    {"FormTabBtn1", "音 乐", "AdvTabSheet1_mus", "音乐", kMusic},
    {"FormTabBtn2", "麦克风", "AdvTabSheet2_mic", "话筒", kMicA},
    {"FormTabBtn3", "效 果", "AdvTabSheet3_Eff", "效果", kEcho},
    {"FormTabBtn4", "主输出", "AdvTabSheet4_Main", "主输出", kMain},
    {"FormTabBtn5", "中 置", "AdvTabSheet5_Center", "中置", kCenter},
    {"FormTabBtn6", "超低音", "AdvTabSheet6_Sub", "超低音", kSub},
    {"FormTabBtn7", "后 置", "AdvTabSheet7_sur", "后置", kSurround},
    {"FormTabBtn8", "系 统", "AdvTabSheet8_Sys", "系统", kSystem},
}};

// Page code of a page button's tag: tag + 256 × the page's module; a tag outside the EQ pages
// (the System page and anything unknown) counts as the System module.
[[nodiscard]] constexpr int PageCodeOf(int tag) {
  const int module = tag >= 0 && tag < kSystemPage
                         ? kPageTable[static_cast<std::size_t>(tag)].module
                         : static_cast<int>(kSystem);
  return tag + 256 * module;
}

// The sing/dance box is shown on these pages only (it is hidden on microphone and effect).
[[nodiscard]] constexpr bool ShowsSingDance(int page) {
  return page == 0 || (page >= 3 && page <= 6);
}

// ---------------------------------------------------------------------------------------------
// Band strips. Column k (1-based) of page p holds the band label <pointLabel>k, the edit boxes
// <valuePrefix>FreEditk / GainEditk / QEditk in the group boxes <framePrefix>FreGropk ... with
// the spin buttons <framePrefix>FreUpDownBtnk ..., and the type list <valuePrefix>ModeBoxk.

struct BandStripEntry {
  std::string_view countCaption{};  // row caption above the frequency row
  std::string_view strip{};         // the horizontally scrolling box
  std::string_view scrollBar{};     // the slider under it
  std::string_view pointLabel{};
  std::string_view valuePrefix{};
  std::string_view framePrefix{};
  std::string_view resetButton{};  // "EQ重置"
  std::string_view passToggle{};   // "EQ pass"
};

inline constexpr std::array<BandStripEntry, kEqPageCount> kBandStrips = {{
    {"10段EQ", "MusScrollBox", "MusPanScrollBar", "MusEQPointLabel", "Mus", "Mus", "EQResetBtn",
     "MusEQAllpassBtn"},
    {"15段EQ", "MicScrollBox", "MicPanScrollBar", "MicEQPointLabel", "Mic", "MIc", "RzBmpButton6",
     "MicEQAllpassBtn"},
    {"3段EQ", "EffScrollBox", "EffPanScrollBar", "EffEQPointLabel", "Echo", "Echo", "RzBmpButton8",
     "EchoEQAllpassBtn"},
    {"5段EQ", "MainScrollBar", "MainPanScrollBar", "MainEQPointLabel", "Main", "Main",
     "RzBmpButton12", "MainEQAllpassBtn"},
    {"5段EQ", "CenterScrollBar", "CenterPanScrollBar", "CenterEQPointLabel", "Center", "Center",
     "RzBmpButton13", "CenterEQAllpassBtn"},
    {"3段EQ", "AdvScrollBox3", "SubPanScrollBar", "SubEQPointLabel", "Sub", "Sub", "RzBmpButton14",
     "SubEQAllpassBtn"},
    {"5段EQ", "SurScrollBar", "SurPanScrollBar", "SurEQPointLabel", "Sur", "Sur", "RzBmpButton15",
     "SurEQAllpassBtn"},
}};

inline constexpr std::array<std::string_view, 4> kBandRowCaptions = {"频率(Hz)", "增益(dB)", "Q值",
                                                                     "EQ类型"};
inline constexpr std::array<std::string_view, 3> kBandTypeItems = {"PEQ", "LSEQ", "HSEQ"};
inline constexpr int kBandColumnWidth = 71;  // one band column; the strip scrolls by it
inline constexpr int kVisibleBandColumns = 3;

// Bands of an EQ page and the module its band strip edits.
[[nodiscard]] constexpr int BandCountOfPage(int page) {
  return PageEqBandCount[static_cast<std::size_t>(page)];
}
[[nodiscard]] constexpr int ModuleOfPage(int page) {
  return kPageTable[static_cast<std::size_t>(page)].module;
}
// The band labels' hint: the frequency slot of the page's first band.
[[nodiscard]] constexpr int FirstFrequencySlotOfPage(int page) {
  return FirstBandSlot[static_cast<std::size_t>(ModuleOfPage(page))] + 1;
}
// Maximum of the page's band strip scroll slider: one step per hidden band column.
[[nodiscard]] constexpr int ScrollMaxOfPage(int page) {
  return BandCountOfPage(page) > kVisibleBandColumns ? BandCountOfPage(page) - kVisibleBandColumns
                                                     : 0;
}
// Design text of a band's type list: the first two bands start as high shelves on the form.
[[nodiscard]] constexpr int DesignBandTypeIndex(int band) {
  return band <= 2 ? 2 : 0;
}

// ---------------------------------------------------------------------------------------------
// Rows of the panels and slider columns. Every control name in a row is prefixed with the
// sheet's prefix when the row is built (the output pages share their rows this way).

// A slider with its value pane, optional spin buttons, unit and phase toggle, and the two
// scale labels under its ends. In a slider column the caption stands above the slider; in a
// panel (filters) it stands left of it.
struct SliderRow {
  std::string_view caption{};
  std::string_view bar{};
  int max = 0;
  int start = 0;
  std::string_view pane{};
  int format = 0;
  std::string_view paneText{};
  std::string_view unit{};   // after the pane (before it when unitBeforePane)
  std::string_view phase{};  // phase toggle "+" just before the pane, on level rows
  std::string_view spin{};   // spin buttons after the pane
  std::string_view scaleLeft{};
  std::string_view scaleRight{};
  bool unitBeforePane = false;
  bool disabled = false;  // disabled at start
};

struct ButtonChoice {
  std::string_view name{};
  std::string_view caption{};
};

// How a button row's buttons behave: push buttons, toggles ("0" in the hint at start) or one
// radio group (each button's value 0, 1, 2, .. from left to right in its hint).
enum class ButtonKind { kPush, kToggle, kRadio };

struct ButtonRow {
  std::string_view caption{};  // empty: the buttons only
  std::span<const ButtonChoice> buttons{};
  ButtonKind kind = ButtonKind::kPush;
};

// A drop-down list with its caption; optionally inside a named group, with a small picture
// button over its arrow, and with hidden radio buttons that stand for the same setting.
struct ListRow {
  std::string_view caption{};
  std::string_view list{};
  std::span<const std::string_view> items{};
  std::string_view picture{};
  std::string_view group{};
  std::span<const ButtonChoice> hiddenRadios{};
};

using PanelRow = std::variant<SliderRow, ButtonRow, ListRow>;

// A rounded panel under the band strip, rows from top to bottom.
struct PanelEntry {
  std::string_view title{};  // empty: no title line
  std::span<const PanelRow> rows{};
};

inline constexpr int kSliderColumnCount = 3;

// One sheet besides its band strip: the prefix of its control names, its panels under the band
// strip (top to bottom) and its slider columns right of the shared band editor.
struct SheetLayout {
  std::string_view prefix{};
  std::span<const PanelEntry> panels{};
  std::array<std::span<const PanelRow>, kSliderColumnCount> columns{};
};

// The layouts of pages 0..6.
[[nodiscard]] const std::array<SheetLayout, kEqPageCount>& SheetLayouts();

}  // namespace fenwave
