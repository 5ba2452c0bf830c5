// The colours, fonts and style sheet of the dark control-panel look shared by every window.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace fenwave::theme {

inline const QColor kWindow(30, 34, 40);
inline const QColor kPanel(38, 43, 51);
inline const QColor kPanelBorder(58, 66, 78);
inline const QColor kText(226, 232, 238);
inline const QColor kTextDim(160, 170, 182);
inline const QColor kTextDisabled(120, 128, 138);
inline const QColor kAccent(34, 170, 214);
// Group box of the band field being edited, and of a field that no longer is.
inline const QColor kBandHighlight(68, 134, 255);
inline const QColor kBandNormal(153, 153, 153);
// Title bar gradient, top to bottom.
inline const QColor kTitleTop(46, 54, 66);
inline const QColor kTitleBottom(22, 26, 32);
// The graph panels: outer (axis labels) and inner (surface and markers).
inline const QColor kGraphOuter(21, 21, 21);
inline const QColor kGraphInner(12, 12, 12);
// Fill of the graph surface under the grid: darker than the panels so the faint 1 dB lines show.
inline const QColor kGraphBackground(4, 6, 6);
// Graph overlay texts: the value label's two colours and the "EQ PASS" warning.
inline const QColor kCurveCyan(0, 204, 255);
inline const QColor kCurveOrange(255, 102, 0);
inline const QColor kValueLabelCyan(199, 255, 255);
inline const QColor kEqPassText(255, 196, 0);

// Pixel sizes of the fonts: captions and controls, scale labels, page buttons, the window
// title, the graph's axis labels and its "EQ PASS" overlay.
inline constexpr int kFontPixels = 12;
inline constexpr int kSmallFontPixels = 11;
inline constexpr int kPageButtonFontPixels = 13;
inline constexpr int kTitleFontPixels = 15;
inline constexpr int kAxisFontPixels = 9;
inline constexpr int kEqPassFontPixels = 34;

// A widget's look beyond its class, chosen by the style sheet from the widget's "look"
// property. Style sheets switch off the inheritance of fonts and palettes from parent widgets,
// so fonts and text colours are set here rather than with setFont or setPalette.
enum class Look {
  kNormal,     // the window font
  kSmall,      // scale labels, band strip edits and lists
  kBold,       // panel titles
  kSmallBold,  // the graph's value label
  kPageButton,
  kTitle,       // the window title
  kAxis,        // bold white axis labels of the graph
  kEqPass,      // the large "EQ PASS" overlay
  kCaptionBox,  // a caption on a filled bar
};
void SetLook(QWidget* widget, Look look);
// Pixel size and weight of a look, for measuring captions before they are shown.
[[nodiscard]] QFont LookFont(Look look);

// The user-interface font: a CJK-capable family when one is installed (the captions are
// Chinese), else the platform default, at kFontPixels.
[[nodiscard]] QFont UiFont();
// UiFont at another pixel size, optionally bold.
[[nodiscard]] QFont UiFont(int pixels, bool bold = false);

// The window palette: light text on the dark window colour. Text colours come from the palette
// (not the style sheet) so that a control can still be given a colour of its own.
[[nodiscard]] QPalette Palette();

// The style sheet for the standard widgets and the looks: fonts and text colours for every
// widget, boxes for the input controls. It gives plain widgets no background, so custom-drawn
// widgets stay transparent where they draw nothing.
[[nodiscard]] QString StyleSheet();

}  // namespace fenwave::theme
