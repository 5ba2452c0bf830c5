// Builds controls from the page tables: the band strips, the panels and slider columns of the
// sheets, the shared band editor, and the small control factories the window frame uses too.
// Every named control is registered by its objectName.
#pragma once

#include <QHash>
#include <QRect>
#include <QString>
#include <string_view>
#include <vector>

#include "ui/PageTables.h"
#include "ui/Theme.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QScrollBar;
class QSlider;
class QWidget;

namespace fenwave {

class BitmapButton;
class ClickLabel;
class ColorGroupBox;
class EqEdit;
class SpinButtons;
class ValuePane;

[[nodiscard]] QString ToQString(std::string_view text);

// The named controls of a window. A second control under a name already taken is kept out and
// counted, so a table mistake shows up instead of silently shadowing the first control.
class ControlRegistry {
 public:
  void Add(QWidget* control);
  [[nodiscard]] QWidget* Find(const QString& name) const { return m_Controls.value(name); }
  template <class T> [[nodiscard]] T* Find(const QString& name) const {
    return qobject_cast<T*>(Find(name));
  }
  [[nodiscard]] const QHash<QString, QWidget*>& All() const { return m_Controls; }
  [[nodiscard]] const QStringList& Duplicates() const { return m_Duplicates; }

 private:
  QHash<QString, QWidget*> m_Controls;
  QStringList m_Duplicates;
};

// The controls of one band strip that the binding keeps per page.
struct BandStripControls {
  QScrollArea* strip = nullptr;
  QScrollBar* scrollBar = nullptr;
  std::vector<ClickLabel*> pointLabels;  // band 1 first
};

class PageBuilder {
 public:
  explicit PageBuilder(ControlRegistry& registry) : m_Registry(registry) {}

  // The band strip panel of EQ page `page` (0..6) on its sheet.
  BandStripControls BuildBandStrip(QWidget* sheet, int page);
  // The panels under the band strip, the slider columns and the EQ footer of page 0..6.
  void BuildSheet(QWidget* sheet, int page);
  // The shared band editor EQCotrolGrop with its sliders, edit boxes and scale labels.
  QWidget* BuildBandEditor(QWidget* parent, const QRect& geometry);

  // Factories: each names the control (when the name is not empty), places it and registers
  // it. Captions and texts are UTF-8.
  QLabel* Caption(QWidget* parent, std::string_view text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                  theme::Look look = theme::Look::kNormal, std::string_view name = {});
  BitmapButton* Button(QWidget* parent, const QString& name, std::string_view caption,
                       const QRect& geometry);
  QSlider* Slider(QWidget* parent, const QString& name, Qt::Orientation orientation, int max,
                  int start, const QRect& geometry);
  ValuePane* Pane(QWidget* parent, const QString& name, int format, std::string_view text,
                  const QRect& geometry);
  SpinButtons* Spin(QWidget* parent, const QString& name, const QRect& geometry);
  EqEdit* Edit(QWidget* parent, const QString& name, int format, std::string_view text,
               const QRect& geometry);
  QComboBox* List(QWidget* parent, const QString& name, std::span<const std::string_view> items,
                  int current, const QRect& geometry);

  // Width of a caption in the font of `look`, the widest of its lines.
  [[nodiscard]] static int TextWidth(std::string_view text,
                                     theme::Look look = theme::Look::kNormal);

 private:
  int BuildPanel(QWidget* sheet, std::string_view prefix, const PanelEntry& panel, int top);
  int BuildPanelSlider(QWidget* panel, std::string_view prefix, const SliderRow& row,
                       int captionWidth, int innerWidth, int y);
  int BuildButtonRow(QWidget* parent, std::string_view prefix, const ButtonRow& row, int x,
                     int captionWidth, int width, int y, int buttonHeight);
  int BuildListRow(QWidget* panel, std::string_view prefix, const ListRow& row, int captionWidth,
                   int innerWidth, int y);
  void BuildColumn(QWidget* sheet, std::string_view prefix, std::span<const PanelRow> rows,
                   int column);
  int BuildColumnSlider(QWidget* sheet, std::string_view prefix, const SliderRow& row, int x,
                        int y);
  void Register(QWidget* control, const QString& name);

  ControlRegistry& m_Registry;
};

}  // namespace fenwave
