#include "ui/Theme.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <array>

namespace fenwave::theme {
namespace {

// Families that carry the simplified Chinese glyphs, most suitable first.
constexpr std::array<const char*, 4> kCjkFamilies = {"Noto Sans CJK SC", "Source Han Sans SC",
                                                     "WenQuanYi Micro Hei", "Noto Sans CJK TC"};

QString UiFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : kCjkFamilies) {
    if (installed.contains(QString::fromLatin1(family))) return QString::fromLatin1(family);
  }
  return QApplication::font().family();
}

}  // namespace

struct LookStyle {
  Look look;
  const char* name;  // value of the "look" property
  int pixels;
  bool bold;
};
constexpr std::array<LookStyle, 9> kLooks = {{
    {Look::kNormal, "", kFontPixels, false},
    {Look::kSmall, "small", kSmallFontPixels, false},
    {Look::kBold, "bold", kFontPixels, true},
    {Look::kSmallBold, "smallBold", kSmallFontPixels, true},
    {Look::kPageButton, "page", kPageButtonFontPixels, true},
    {Look::kTitle, "title", kTitleFontPixels, true},
    {Look::kAxis, "axis", kAxisFontPixels, true},
    {Look::kEqPass, "eqPass", kEqPassFontPixels, true},
    {Look::kCaptionBox, "captionBox", kFontPixels, true},
}};

const LookStyle& StyleOf(Look look) {
  for (const LookStyle& style : kLooks) {
    if (style.look == look) return style;
  }
  return kLooks[0];
}

QFont UiFont() {
  return UiFont(kFontPixels);
}

QFont UiFont(int pixels, bool bold) {
  QFont font(UiFamily());
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetLook(QWidget* widget, Look look) {
  widget->setProperty("look", QString::fromLatin1(StyleOf(look).name));
}

QFont LookFont(Look look) {
  const LookStyle& style = StyleOf(look);
  return UiFont(style.pixels, style.bold);
}

QPalette Palette() {
  QPalette palette;
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
    palette.setColor(role, kWindow);
  palette.setColor(QPalette::Base, QColor(20, 23, 27));
  palette.setColor(QPalette::AlternateBase, kPanel);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, kText);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, kTextDisabled);
  palette.setColor(QPalette::Highlight, kAccent);
  palette.setColor(QPalette::HighlightedText, QColor(11, 16, 20));
  palette.setColor(QPalette::Light, kPanelBorder);
  palette.setColor(QPalette::Dark, QColor(14, 16, 19));
  palette.setColor(QPalette::Mid, kPanelBorder);
  return palette;
}

QString StyleSheet() {
  QString looks =
      QStringLiteral("QWidget { font-family: \"%1\"; font-size: %2px; color: #e2e8ee; }\n"
                     "QWidget:disabled { color: #78808a; }\n")
          .arg(UiFamily())
          .arg(kFontPixels);
  for (const LookStyle& style : kLooks) {
    if (*style.name == '\0') continue;
    looks += QStringLiteral("*[look=\"%1\"] { font-size: %2px; font-weight: %3; }\n")
                 .arg(QLatin1String(style.name))
                 .arg(style.pixels)
                 .arg(style.bold ? QStringLiteral("bold") : QStringLiteral("normal"));
  }
  looks += QStringLiteral("*[look=\"eqPass\"] { color: %1; }\n").arg(kEqPassText.name());
  return looks + QStringLiteral(R"(
*[look="axis"] { color: #ffffff; }
*[look="captionBox"] { background-color: #0f4a5e; border-radius: 3px; }
QDialog, QMessageBox, QMainWindow { background-color: #1e2228; }
QLabel { background: transparent; }
QLineEdit { color: #e2e8ee; background-color: #14171b; border: 1px solid #3a424e; border-radius: 3px;
            padding: 0px 1px; selection-background-color: #22aad6; }
QLineEdit:focus { border-color: #22aad6; }
QLineEdit:read-only { background-color: #191c21; }
QLineEdit:disabled { background-color: #22262c; color: #5c646e; border-color: #2c323a; }
QComboBox { color: #e2e8ee; background-color: #14171b; border: 1px solid #3a424e; border-radius: 3px;
            padding: 0px 3px; }
QComboBox:disabled { color: #5c646e; border-color: #2c323a; }
QComboBox QAbstractItemView { background-color: #14171b; color: #e2e8ee;
                              selection-background-color: #22aad6; }
QSlider { background: transparent; }
QSlider::groove:horizontal { height: 4px; background: #3a424e; border-radius: 2px; }
QSlider::groove:vertical { width: 4px; background: #3a424e; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #1b86a8; border-radius: 2px; }
QSlider::add-page:vertical { background: #1b86a8; border-radius: 2px; }
QSlider::handle:horizontal { width: 10px; margin: -6px 0; border-radius: 3px;
                             background: #cfd8e0; }
QSlider::handle:vertical { height: 10px; margin: 0 -6px; border-radius: 3px;
                           background: #cfd8e0; }
QSlider::handle:disabled { background: #4a525c; }
QSlider::sub-page:horizontal:disabled, QSlider::add-page:vertical:disabled { background: #2c323a; }
QScrollBar:horizontal { background: #14171b; height: 12px; border: 1px solid #2c323a;
                        border-radius: 3px; margin: 0; }
QScrollBar::handle:horizontal { background: #4a5666; border-radius: 2px; min-width: 20px;
                                margin: 1px; }
QScrollBar::handle:horizontal:disabled { background: #2c323a; }
QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }
QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }
QScrollArea { background: transparent; border: none; }
QScrollArea > QWidget > QWidget { background: transparent; }
QGroupBox { border: 1px solid #3a424e; border-radius: 6px; margin-top: 8px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }
QHeaderView::section { background-color: #262b33; border: 1px solid #3a424e; padding: 2px; }
QTableWidget { gridline-color: #3a424e; background-color: #14171b; }
QPlainTextEdit { background-color: #14171b; border: 1px solid #3a424e; }
QProgressBar { border: 1px solid #3a424e; border-radius: 3px; text-align: center; }
QProgressBar::chunk { background-color: #1b86a8; }
QToolButton { background: #2b323c; border: 1px solid #3a424e; padding: 0; }
QToolButton:pressed { background: #1b86a8; }
QToolButton:disabled { background: #22262c; border-color: #2c323a; }
fenwave--ValuePane { background-color: #14171b; border: 1px solid #3a424e; border-radius: 3px;
                     color: #7fdcff; padding: 0 2px; }
fenwave--ValuePane:disabled { color: #4a6a78; border-color: #2c323a; }
)");
}

}  // namespace fenwave::theme
