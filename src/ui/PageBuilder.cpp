#include "ui/PageBuilder.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <algorithm>
#include <array>

#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/PageLayout.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

using layout::kColumnWidth;

constexpr int kPanelPadding = 6;  // left and right inside a panel
constexpr int kPanelTopPadding = 4;
constexpr int kRowGap = 2;
constexpr int kCaptionGap = 4;  // between a caption and what it names
constexpr int kButtonGap = 4;
constexpr int kButtonMinWidth = 44;
constexpr int kButtonTextPadding = 16;
constexpr int kPanelButtonHeight = 24;
constexpr int kColumnButtonHeight = 26;
constexpr int kListHeight = 22;
constexpr int kFilterPaneWidth = 74;
constexpr int kSpinWidth = 13;
constexpr int kSliderThickness = 18;
constexpr int kScaleHeight = 13;
constexpr int kColumnRowHeight = 56;  // caption line, slider, scale labels, gap
constexpr int kColumnLineHeight = 18;
constexpr int kColumnPaneWidth = 48;
constexpr int kPhaseWidth = 20;

// Band strip columns (relative to a column of the strip's content).
constexpr int kStripLabelHeight = 16;
constexpr int kStripFieldTop = 18;
constexpr int kStripFieldPitch = 24;
constexpr int kStripFieldHeight = 22;
constexpr int kStripTypeTop = 90;
constexpr int kStripTypeHeight = 20;
constexpr int kStripHeight = 110;
constexpr int kStripLeft = 70;
constexpr int kStripTop = 4;
constexpr int kStripScrollHeight = 10;

struct BandField {
  std::string_view edit;   // after the value prefix: FreEdit, GainEdit, QEdit
  std::string_view group;  // after the frame prefix
  std::string_view spin;
  int format;
  std::string_view designText;
};
constexpr std::array<BandField, 3> kStripFields = {{
    {"FreEdit", "FreGrop", "FreUpDownBtn", 2, "20000.00"},
    {"GainEdit", "GainGrop", "GainUpDownBtn", 3, "-24.0dB"},
    {"QEdit", "QGrop", "QUpDownBtn", 4, "128.00"},
}};

// Main output columns 4 and 5 carry a small picture over their type list's arrow.
constexpr std::array<std::string_view, 2> kMainModePictures = {"MainModeBtn4", "MainModeBtn5"};

// The shared band editor's gain scale, from the top (+12 dB, step 180) down in 6 dB steps.
constexpr std::array<std::string_view, 7> kGainScale = {"+12﹣", "+6 ﹣",  " 0 ﹣", "-6 ﹣",
                                                        "-12﹣", "-18 ﹣", "-24﹣"};

QString Named(std::string_view prefix, std::string_view name) {
  return ToQString(prefix) + ToQString(name);
}

int LineCount(std::string_view text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

int LineHeight() {
  return QFontMetrics(theme::LookFont(theme::Look::kNormal)).height();
}

int ButtonWidth(std::string_view caption) {
  return std::max(kButtonMinWidth, PageBuilder::TextWidth(caption) + kButtonTextPadding);
}

// A small picture button lying over a drop-down list's arrow; clicks go through to the list.
void LayPictureOverArrow(BitmapButton* picture, const QRect& list) {
  picture->setGeometry(list.right() - 14, list.top() + 1, 14, list.height() - 2);
  picture->SetPictures(DrawGlyphPictures(picture->size(), Glyph::kDropDown));
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);
  picture->raise();
}

}  // namespace

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ControlRegistry::Add(QWidget* control) {
  const QString name = control->objectName();
  if (name.isEmpty()) return;
  if (m_Controls.contains(name)) {
    m_Duplicates.append(name);
    return;
  }
  m_Controls.insert(name, control);
}

int PageBuilder::TextWidth(std::string_view text, theme::Look look) {
  const QFontMetrics metrics(theme::LookFont(look));
  int widest = 0;
  for (const QString& line : ToQString(text).split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

void PageBuilder::Register(QWidget* control, const QString& name) {
  if (name.isEmpty()) return;
  control->setObjectName(name);
  m_Registry.Add(control);
}

QLabel* PageBuilder::Caption(QWidget* parent, std::string_view text, const QRect& geometry,
                             Qt::Alignment alignment, theme::Look look, std::string_view name) {
  auto* label = new QLabel(ToQString(text), parent);
  label->setAlignment(alignment);
  if (look != theme::Look::kNormal) theme::SetLook(label, look);
  label->setGeometry(geometry);
  Register(label, ToQString(name));
  return label;
}

BitmapButton* PageBuilder::Button(QWidget* parent, const QString& name, std::string_view caption,
                                  const QRect& geometry) {
  auto* button = new BitmapButton(parent);
  button->setText(ToQString(caption));
  button->setGeometry(geometry);
  // Drawn now for the final size: a hidden button (the picture template) never gets the
  // resize event that would draw them later.
  button->DrawOwnPictures();
  Register(button, name);
  return button;
}

QSlider* PageBuilder::Slider(QWidget* parent, const QString& name, Qt::Orientation orientation,
                             int max, int start, const QRect& geometry) {
  auto* slider = new QSlider(orientation, parent);
  slider->setRange(0, max);
  slider->setValue(start);
  slider->setPageStep(1);
  slider->setGeometry(geometry);
  Register(slider, name);
  return slider;
}

ValuePane* PageBuilder::Pane(QWidget* parent, const QString& name, int format,
                             std::string_view text, const QRect& geometry) {
  auto* pane = new ValuePane(parent);
  pane->setText(ToQString(text));
  SetHint(pane, QString::number(format));
  pane->setGeometry(geometry);
  Register(pane, name);
  return pane;
}

SpinButtons* PageBuilder::Spin(QWidget* parent, const QString& name, const QRect& geometry) {
  auto* spin = new SpinButtons(parent);
  spin->setGeometry(geometry);
  Register(spin, name);
  return spin;
}

EqEdit* PageBuilder::Edit(QWidget* parent, const QString& name, int format, std::string_view text,
                          const QRect& geometry) {
  auto* edit = new EqEdit(parent);
  edit->setText(ToQString(text));
  SetHint(edit, QString::number(format));
  edit->setGeometry(geometry);
  Register(edit, name);
  return edit;
}

QComboBox* PageBuilder::List(QWidget* parent, const QString& name,
                             std::span<const std::string_view> items, int current,
                             const QRect& geometry) {
  auto* list = new QComboBox(parent);
  for (std::string_view item : items)
    list->addItem(ToQString(item));
  list->setCurrentIndex(current);
  list->setGeometry(geometry);
  Register(list, name);
  return list;
}

// ---------------------------------------------------------------------------------------------
// Band strip: row captions at the left, the scrolling strip of band columns, its slider below.

BandStripControls PageBuilder::BuildBandStrip(QWidget* sheet, int page) {
  const BandStripEntry& entry = kBandStrips[static_cast<std::size_t>(page)];
  const int bands = BandCountOfPage(page);
  BandStripControls controls;

  auto* panel = new Panel(sheet, theme::kPanel, theme::kPanelBorder);
  panel->setGeometry(layout::kBandStripPanel);

  const int captionWidth = kStripLeft - kPanelPadding - 2;
  Caption(panel, entry.countCaption,
          QRect(kPanelPadding, kStripTop, captionWidth, kStripLabelHeight));
  for (std::size_t i = 0; i < kBandRowCaptions.size(); ++i) {
    const bool type = i + 1 == kBandRowCaptions.size();
    const int top = type ? kStripTypeTop : kStripFieldTop + static_cast<int>(i) * kStripFieldPitch;
    Caption(panel, kBandRowCaptions[i],
            QRect(kPanelPadding, kStripTop + top, captionWidth,
                  type ? kStripTypeHeight : kStripFieldHeight));
  }

  auto* strip = new QScrollArea(panel);
  strip->setFrameShape(QFrame::NoFrame);
  strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  strip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  strip->setWidgetResizable(false);
  strip->setGeometry(kStripLeft, kStripTop, kVisibleBandColumns * kBandColumnWidth, kStripHeight);
  // Without frame and scroll bars the viewport is the whole box. Placed now, not at the first
  // showing, so the scroll range is right even for a sheet that has not been shown yet.
  strip->viewport()->setGeometry(QRect(QPoint(0, 0), strip->size()));
  Register(strip, ToQString(entry.strip));
  controls.strip = strip;

  auto* content = new QWidget;
  content->resize(bands * kBandColumnWidth, kStripHeight);
  for (int k = 1; k <= bands; ++k) {
    auto* column = new QWidget(content);
    column->setGeometry((k - 1) * kBandColumnWidth, 0, kBandColumnWidth, kStripHeight);
    const QString number = QString::number(k);

    auto* label = new ClickLabel(column);
    label->setText(number);
    label->setGeometry(2, 0, kBandColumnWidth - 4, kStripLabelHeight);
    SetTag(label, ModuleOfPage(page));
    SetHint(label, QString::number(FirstFrequencySlotOfPage(page)));
    Register(label, ToQString(entry.pointLabel) + number);
    controls.pointLabels.push_back(label);

    for (std::size_t f = 0; f < kStripFields.size(); ++f) {
      const BandField& field = kStripFields[f];
      auto* group = new ColorGroupBox(column);
      group->setGeometry(1, kStripFieldTop + static_cast<int>(f) * kStripFieldPitch,
                         kBandColumnWidth - 2, kStripFieldHeight);
      Register(group, Named(entry.framePrefix, field.group) + number);
      // The edit box takes all but the spin buttons, so "20000.00" fits in the small font.
      const int spinWidth = kSpinWidth - 1;
      const int editWidth = group->width() - spinWidth - 2;
      EqEdit* edit = Edit(group, Named(entry.valuePrefix, field.edit) + number, field.format,
                          field.designText, QRect(1, 1, editWidth, kStripFieldHeight - 2));
      theme::SetLook(edit, theme::Look::kSmall);
      Spin(group, Named(entry.framePrefix, field.spin) + number,
           QRect(editWidth + 1, 1, spinWidth, kStripFieldHeight - 2));
    }

    QComboBox* type = List(column, Named(entry.valuePrefix, "ModeBox") + number, kBandTypeItems,
                           DesignBandTypeIndex(k),
                           QRect(2, kStripTypeTop, kBandColumnWidth - 4, kStripTypeHeight));
    theme::SetLook(type, theme::Look::kSmall);
    SetHint(type, QStringLiteral("1"));
    if (page == 3 && k >= 4 && k <= 5) {
      BitmapButton* picture =
          Button(column, ToQString(kMainModePictures[static_cast<std::size_t>(k - 4)]), {}, {});
      LayPictureOverArrow(picture, type->geometry());
    }
  }
  strip->setWidget(content);

  auto* scroll = new QScrollBar(Qt::Horizontal, panel);
  scroll->setRange(0, ScrollMaxOfPage(page));
  scroll->setPageStep(kVisibleBandColumns);
  scroll->setSingleStep(1);
  scroll->setGeometry(kStripLeft, kStripTop + kStripHeight + 4,
                      kVisibleBandColumns * kBandColumnWidth, kStripScrollHeight);
  Register(scroll, ToQString(entry.scrollBar));
  controls.scrollBar = scroll;
  return controls;
}

// ---------------------------------------------------------------------------------------------
// Panels under the band strip.

int PageBuilder::BuildPanel(QWidget* sheet, std::string_view prefix, const PanelEntry& entry,
                            int top) {
  const int width = layout::kBandStripPanel.width();
  const int inner = width - 2 * kPanelPadding;
  auto* panel = new Panel(sheet, theme::kPanel, theme::kPanelBorder);

  // The filter captions of one panel share a column, so their sliders line up.
  int captionWidth = 0;
  for (const PanelRow& row : entry.rows) {
    if (const auto* slider = std::get_if<SliderRow>(&row))
      captionWidth = std::max(captionWidth, TextWidth(slider->caption) + kCaptionGap);
  }

  int y = kPanelTopPadding;
  if (!entry.title.empty()) {
    QLabel* title = Caption(panel, entry.title, QRect(kPanelPadding, y, inner, kColumnLineHeight));
    theme::SetLook(title, theme::Look::kBold);
    y += kColumnLineHeight + kRowGap;
  }
  for (const PanelRow& row : entry.rows) {
    if (const auto* slider = std::get_if<SliderRow>(&row)) {
      y += BuildPanelSlider(panel, prefix, *slider, captionWidth, inner, y);
    } else if (const auto* buttons = std::get_if<ButtonRow>(&row)) {
      y += BuildButtonRow(panel, prefix, *buttons, kPanelPadding, 0, inner, y, kPanelButtonHeight);
    } else if (const auto* list = std::get_if<ListRow>(&row)) {
      y += BuildListRow(panel, prefix, *list, captionWidth, inner, y);
    }
    y += kRowGap;
  }
  const int height = y - kRowGap + kPanelTopPadding;
  panel->setGeometry(layout::kBandStripPanel.left(), top, width, height);
  return top + height;
}

int PageBuilder::BuildPanelSlider(QWidget* panel, std::string_view prefix, const SliderRow& row,
                                  int captionWidth, int innerWidth, int y) {
  // Filter rows carry neither unit nor phase toggle: the pane's text holds the unit.
  Q_ASSERT(row.unit.empty() && row.phase.empty());
  const int height = std::max(30, LineCount(row.caption) * LineHeight());
  Caption(panel, row.caption, QRect(kPanelPadding, y, captionWidth, height));
  const int right = kPanelPadding + innerWidth;
  const int spinWidth = row.spin.empty() ? 0 : kSpinWidth + 1;
  const int paneX = right - spinWidth - kFilterPaneWidth;
  const int sliderX = kPanelPadding + captionWidth + kCaptionGap;
  const int sliderWidth = paneX - kCaptionGap - sliderX;
  const int sliderTop = y + (height - 30) / 2;

  QSlider* slider = Slider(panel, Named(prefix, row.bar), Qt::Horizontal, row.max, row.start,
                           QRect(sliderX, sliderTop, sliderWidth, kSliderThickness - 2));
  slider->setEnabled(!row.disabled);
  Pane(panel, Named(prefix, row.pane), row.format, row.paneText,
       QRect(paneX, sliderTop, kFilterPaneWidth, 20));
  if (!row.spin.empty())
    Spin(panel, Named(prefix, row.spin),
         QRect(paneX + kFilterPaneWidth + 1, sliderTop, kSpinWidth, 20));
  const int half = sliderWidth / 2;
  const int scaleTop = sliderTop + kSliderThickness - 1;
  Caption(panel, row.scaleLeft, QRect(sliderX, scaleTop, half, kScaleHeight),
          Qt::AlignLeft | Qt::AlignVCenter, theme::Look::kSmall);
  Caption(panel, row.scaleRight, QRect(sliderX + sliderWidth - half, scaleTop, half, kScaleHeight),
          Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);
  return height;
}

int PageBuilder::BuildButtonRow(QWidget* parent, std::string_view prefix, const ButtonRow& row,
                                int x, int captionWidth, int width, int y, int buttonHeight) {
  int buttonsWidth = -kButtonGap;
  for (const ButtonChoice& b : row.buttons)
    buttonsWidth += ButtonWidth(b.caption) + kButtonGap;
  const int caption =
      row.caption.empty() ? 0 : std::max(captionWidth, TextWidth(row.caption) + kCaptionGap);
  const bool oneLine = caption + buttonsWidth <= width;

  int height = buttonHeight;
  int bx = x;
  int by = y;
  if (!row.caption.empty()) {
    if (oneLine) {
      Caption(parent, row.caption, QRect(x, y, caption, buttonHeight));
      bx = x + caption;
    } else {
      Caption(parent, row.caption, QRect(x, y, width, kColumnLineHeight));
      by = y + kColumnLineHeight + 2;
      height += kColumnLineHeight + 2;
    }
  }
  int value = 0;
  for (const ButtonChoice& b : row.buttons) {
    const int w = ButtonWidth(b.caption);
    BitmapButton* button =
        Button(parent, Named(prefix, b.name), b.caption, QRect(bx, by, w, buttonHeight));
    if (row.kind == ButtonKind::kToggle) SetHint(button, QStringLiteral("0"));
    if (row.kind == ButtonKind::kRadio) SetHint(button, QString::number(value));
    ++value;
    bx += w + kButtonGap;
  }
  return height;
}

int PageBuilder::BuildListRow(QWidget* panel, std::string_view prefix, const ListRow& row,
                              int captionWidth, int innerWidth, int y) {
  const int caption = std::max(captionWidth, TextWidth(row.caption) + kCaptionGap);
  Caption(panel, row.caption, QRect(kPanelPadding, y, caption, kListHeight));
  const QRect place(kPanelPadding + caption, y, innerWidth - caption, kListHeight);

  QWidget* parent = panel;
  QRect listRect = place;
  if (!row.group.empty()) {
    auto* group = new QWidget(panel);
    group->setGeometry(place);
    Register(group, Named(prefix, row.group));
    parent = group;
    listRect = QRect(QPoint(0, 0), place.size());
  }
  QComboBox* list = List(parent, Named(prefix, row.list), row.items, 0, listRect);
  int value = 0;
  for (const ButtonChoice& b : row.hiddenRadios) {
    BitmapButton* radio = Button(parent, Named(prefix, b.name), b.caption, QRect(0, 0, 40, 20));
    SetHint(radio, QString::number(value++));
    radio->hide();
  }
  if (!row.picture.empty())
    LayPictureOverArrow(Button(parent, Named(prefix, row.picture), {}, {}), list->geometry());
  return kListHeight;
}

// ---------------------------------------------------------------------------------------------
// Slider columns right of the shared band editor: caption above, pane at the upper right.

int PageBuilder::BuildColumnSlider(QWidget* sheet, std::string_view prefix, const SliderRow& row,
                                   int x, int y) {
  int right = x + kColumnWidth;
  const int unitWidth = row.unit.empty() ? 0 : TextWidth(row.unit) + 3;
  if (!row.unit.empty() && !row.unitBeforePane) {
    right -= unitWidth;
    Caption(sheet, row.unit, QRect(right, y, unitWidth, kColumnLineHeight));
    right -= 2;
  }
  right -= kColumnPaneWidth;
  Pane(sheet, Named(prefix, row.pane), row.format, row.paneText,
       QRect(right, y, kColumnPaneWidth, kColumnLineHeight));
  right -= 2;
  if (!row.unit.empty() && row.unitBeforePane) {
    right -= unitWidth;
    Caption(sheet, row.unit, QRect(right, y, unitWidth, kColumnLineHeight),
            Qt::AlignRight | Qt::AlignVCenter);
    right -= 2;
  }
  if (!row.spin.empty()) {
    right -= kSpinWidth;
    Spin(sheet, Named(prefix, row.spin), QRect(right, y, kSpinWidth, kColumnLineHeight));
    right -= 2;
  }
  if (!row.phase.empty()) {
    right -= kPhaseWidth;
    BitmapButton* phase = Button(sheet, Named(prefix, row.phase), "+",
                                 QRect(right, y, kPhaseWidth, kColumnLineHeight));
    SetHint(phase, QStringLiteral("0"));
    right -= 2;
  }
  Caption(sheet, row.caption, QRect(x, y, right - x, kColumnLineHeight));

  QSlider* slider = Slider(sheet, Named(prefix, row.bar), Qt::Horizontal, row.max, row.start,
                           QRect(x, y + kColumnLineHeight + 2, kColumnWidth, kSliderThickness));
  slider->setEnabled(!row.disabled);
  const int half = kColumnWidth / 2;
  const int scaleTop = y + kColumnLineHeight + 2 + kSliderThickness + 1;
  Caption(sheet, row.scaleLeft, QRect(x, scaleTop, half, kScaleHeight),
          Qt::AlignLeft | Qt::AlignVCenter, theme::Look::kSmall);
  Caption(sheet, row.scaleRight, QRect(x + kColumnWidth - half, scaleTop, half, kScaleHeight),
          Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);
  return kColumnRowHeight;
}

void PageBuilder::BuildColumn(QWidget* sheet, std::string_view prefix,
                              std::span<const PanelRow> rows, int column) {
  const int x = layout::ColumnX(column);
  int y = layout::kColumnTop;
  for (const PanelRow& row : rows) {
    if (const auto* slider = std::get_if<SliderRow>(&row)) {
      y += BuildColumnSlider(sheet, prefix, *slider, x, y);
    } else if (const auto* buttons = std::get_if<ButtonRow>(&row)) {
      y += BuildButtonRow(sheet, prefix, *buttons, x, 0, kColumnWidth, y, kColumnButtonHeight) + 6;
    } else if (const auto* list = std::get_if<ListRow>(&row)) {
      y += BuildListRow(sheet, prefix, *list, 0, kColumnWidth, y) + 6;
    }
  }
}

void PageBuilder::BuildSheet(QWidget* sheet, int page) {
  const SheetLayout& sheetLayout = SheetLayouts()[static_cast<std::size_t>(page)];
  int top = layout::kLowerPanelsTop;
  for (const PanelEntry& panel : sheetLayout.panels)
    top = BuildPanel(sheet, sheetLayout.prefix, panel, top) + layout::kPanelGap;
  for (int c = 0; c < kSliderColumnCount; ++c)
    BuildColumn(sheet, sheetLayout.prefix, sheetLayout.columns[static_cast<std::size_t>(c)], c);

  // The EQ footer at the bottom right: a thin line, then "EQ重置" and "EQ pass".
  const BandStripEntry& strip = kBandStrips[static_cast<std::size_t>(page)];
  auto* line = new Panel(sheet, theme::kPanelBorder, QColor(), 0);
  line->setGeometry(layout::kColumnLeft, layout::kFooterLineTop,
                    layout::kEqPassButton.right() + 1 - layout::kColumnLeft, 1);
  Button(sheet, ToQString(strip.resetButton), "EQ重置", layout::kEqResetButton);
  BitmapButton* pass = Button(sheet, ToQString(strip.passToggle), "EQ pass", layout::kEqPassButton);
  SetHint(pass, QStringLiteral("0"));
}

// ---------------------------------------------------------------------------------------------
// Shared band editor: gain and Q as vertical sliders side by side, frequency below.

QWidget* PageBuilder::BuildBandEditor(QWidget* parent, const QRect& geometry) {
  auto* editor = new Panel(parent, theme::kPanel, theme::kPanelBorder);
  editor->setGeometry(geometry);
  Register(editor, QStringLiteral("EQCotrolGrop"));

  Caption(editor, "调节当前EQ段：1", QRect(8, 6, 170, 18), Qt::AlignLeft | Qt::AlignVCenter,
          theme::Look::kBold, "COMEQlabel");

  Caption(editor, "增益", QRect(8, 28, 84, 16));
  Caption(editor, "Q值", QRect(100, 28, 78, 16));

  constexpr int kSliderTop = 48;
  constexpr int kSliderLength = 168;
  constexpr int kHandleHalf = 5;  // the handle's centre travels 5 px inside each end
  Slider(editor, QStringLiteral("ComEQGainBar"), Qt::Vertical, 180, 0,
         QRect(48, kSliderTop, 22, kSliderLength));
  const int travel = kSliderLength - 2 * kHandleHalf;
  for (std::size_t i = 0; i < kGainScale.size(); ++i) {
    const int centre = kSliderTop + kHandleHalf +
                       static_cast<int>(i) * travel / static_cast<int>(kGainScale.size() - 1);
    Caption(editor, kGainScale[i], QRect(4, centre - kScaleHeight / 2, 42, kScaleHeight),
            Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);
  }
  Slider(editor, QStringLiteral("ComEQQvalueBar"), Qt::Vertical, 100, 10,
         QRect(144, kSliderTop, 22, kSliderLength));
  Caption(editor, "128.00",
          QRect(98, kSliderTop + kHandleHalf - kScaleHeight / 2, 44, kScaleHeight),
          Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);
  Caption(editor, "0.40",
          QRect(98, kSliderTop + kSliderLength - kHandleHalf - kScaleHeight / 2, 44, kScaleHeight),
          Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);

  constexpr int kEditTop = 222;
  EqEdit* gain =
      Edit(editor, QStringLiteral("ComEQGainEdit"), 3, "-24.0dB", QRect(8, kEditTop, 64, 22));
  Spin(editor, QStringLiteral("ComEQGainUpDownBtn"), QRect(73, kEditTop, kSpinWidth, 22));
  EqEdit* q =
      Edit(editor, QStringLiteral("ComEQQvalueEdit"), 4, "128.00", QRect(100, kEditTop, 64, 22));
  Spin(editor, QStringLiteral("ComEQQvalueUpDownBtn"), QRect(165, kEditTop, kSpinWidth, 22));

  constexpr int kFrequencyTop = 254;
  Caption(editor, "频率", QRect(8, kFrequencyTop, 34, 22));
  EqEdit* frequency = Edit(editor, QStringLiteral("ComEQFreEdit"), 2, "20000.00",
                           QRect(44, kFrequencyTop, 120, 22));
  Spin(editor, QStringLiteral("ComEQFreUpDownBtn"), QRect(165, kFrequencyTop, kSpinWidth, 22));
  for (EqEdit* edit : {gain, q, frequency})
    edit->setReadOnly(true);

  Slider(editor, QStringLiteral("ComEQFreBar"), Qt::Horizontal, 361, 10,
         QRect(8, kFrequencyTop + 28, 170, kSliderThickness));
  const int scaleTop = kFrequencyTop + 28 + kSliderThickness + 1;
  Caption(editor, "19.7Hz", QRect(8, scaleTop, 85, kScaleHeight), Qt::AlignLeft | Qt::AlignVCenter,
          theme::Look::kSmall);
  Caption(editor, "20600.0Hz", QRect(93, scaleTop, 85, kScaleHeight),
          Qt::AlignRight | Qt::AlignVCenter, theme::Look::kSmall);
  return editor;
}

}  // namespace fenwave
