// Design geometry of the main window (client area 1136 × 649): where the regions, the band
// strips, the panels and the slider columns stand. Coordinates of the page area's children
// are relative to the page area; those of a sheet's controls relative to the sheet.
#pragma once

#include <QRect>
#include <QSize>

namespace fenwave::layout {

inline constexpr QSize kDesignSize{1136, 649};

// Window frame.
inline constexpr QRect kTitleBar{0, 0, 1136, 44};
inline constexpr QRect kTitleText{14, 0, 320, 44};
inline constexpr QSize kWindowButton{32, 24};
inline constexpr int kWindowButtonTop = 10;
inline constexpr int kWindowButtonGap = 4;
inline constexpr int kWindowButtonRight = 8;  // distance of the last button from the right edge
inline constexpr QRect kLeftColumn{0, 44, 120, 605};
inline constexpr QRect kPageArea{122, 44, 1014, 605};

// Left column.
inline constexpr QRect kFirstPageButton{8, 8, 104, 30};
inline constexpr int kPageButtonPitch = 36;
inline constexpr QRect kVolumeCaption{8, 300, 104, 22};
inline constexpr QRect kVolumeBox{8, 322, 104, 212};
inline constexpr int kVolumeColumnWidth = 34;
inline constexpr QRect kLinkButton{8, 544, 50, 28};
inline constexpr QRect kUnLinkButton{62, 544, 50, 28};
inline constexpr QRect kLinkLabel{8, 576, 104, 18};

// Page area: the page container covers it; the graph panel lies over its lower part.
inline constexpr int kPageContentHeight = 348;
inline constexpr QRect kGraphOuter{2, 348, 1005, 246};  // AdvPanel1
inline constexpr QRect kGraphInner{40, 13, 950, 208};   // AdvPanel2, inside AdvPanel1

// Sheet content.
inline constexpr QRect kBandStripPanel{6, 6, 289, 132};
inline constexpr int kLowerPanelsTop = 144;
inline constexpr int kLowerPanelsBottom = 344;
inline constexpr int kPanelGap = 6;
inline constexpr QRect kBandEditor{301, 6, 186, 338};  // EQCotrolGrop
inline constexpr int kColumnLeft = 493;
inline constexpr int kColumnTop = 6;
inline constexpr int kColumnWidth = 166;
inline constexpr int kDividerWidth = 6;
inline constexpr int kColumnPitch = kColumnWidth + kDividerWidth;
inline constexpr int kDividerBottom = 294;
// Under the slider columns: the separator line and the "EQ重置" / "EQ pass" buttons.
inline constexpr int kFooterLineTop = 300;
inline constexpr QRect kEqPassButton{928, 308, 80, 28};
inline constexpr QRect kEqResetButton{842, 308, 80, 28};
// The sing/dance box stands in the rightmost column, under its delay rows and mute toggles.
inline constexpr QRect kSingDanceBox{kColumnLeft + 2 * kColumnPitch, 160, kColumnWidth, 66};

[[nodiscard]] constexpr int ColumnX(int column) {
  return kColumnLeft + column * kColumnPitch;
}

}  // namespace fenwave::layout
