#include "ui/SystemPageBuilder.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTableWidget>
#include <algorithm>
#include <array>

#include "model/BindingData.h"
#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/PageBuilder.h"
#include "ui/SystemPageTables.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

using namespace system_page;

// Two columns in the 1014-pixel page area, 6 pixels apart and from the edges. The right one is
// wide enough for the backup list's two columns and its scroll bar.
constexpr std::array<int, 2> kColumnX = {6, 432};
constexpr std::array<int, 2> kColumnWidth = {420, 576};
constexpr int kColumnTop = 6;
constexpr int kPanelGap = 6;
constexpr int kPadding = 10;    // left and right inside a panel
constexpr int kTopPadding = 7;  // above the first and below the last row
constexpr int kRowGap = 5;
constexpr int kCaptionGap = 6;
constexpr int kButtonGap = 8;
constexpr int kButtonMinWidth = 44;
constexpr int kButtonTextPadding = 20;

constexpr int kTitleHeight = 18;
constexpr int kLineHeight = 22;  // text boxes, lists, buttons and panes
constexpr int kVolumeRowHeight = 22;
constexpr int kPaneWidth = 48;
constexpr int kSliderThickness = 18;
constexpr int kRadioButtonHeight = 24;
constexpr int kGroupPadding = 3;  // around the buttons of a radio group box
constexpr int kCodePaneWidth = 96;
constexpr int kFolderHeight = 16;

// The password box shows every character as a filled dot (U+25CF), whatever the style's own
// password character is.
const QString kMaskedStyle = QStringLiteral("QLineEdit { lineedit-password-character: 9679; }");
// The window's look has no vertical scroll bar; the backup list's matches its horizontal ones,
// and the header is dark beyond its last section too.
const QString kListStyle = QStringLiteral(
    "QScrollBar:vertical { background: #14171b; width: 12px; border: 1px solid #2c323a;"
    " border-radius: 3px; margin: 0; }"
    "QScrollBar::handle:vertical { background: #4a5666; border-radius: 2px; min-height: 20px;"
    " margin: 1px; }"
    "QScrollBar::handle:vertical:disabled { background: #2c323a; }"
    "QHeaderView { background-color: #262b33; }");

int ButtonWidth(std::string_view caption) {
  return std::max(kButtonMinWidth, PageBuilder::TextWidth(caption) + kButtonTextPadding);
}

// The caption column of a panel: wide enough for its widest plain caption, so that the boxes,
// lists and sliders of one panel line up.
int CaptionColumn(std::span<const Row> rows) {
  int widest = 0;
  auto take = [&widest](std::string_view caption) {
    if (!caption.empty()) widest = std::max(widest, PageBuilder::TextWidth(caption));
  };
  for (const Row& row : rows) {
    if (const auto* r = std::get_if<VolumeRow>(&row)) take(r->caption);
    if (const auto* r = std::get_if<FieldRow>(&row)) take(r->caption);
    if (const auto* r = std::get_if<ChoiceRow>(&row)) take(r->caption);
    if (const auto* r = std::get_if<CodeRow>(&row)) take(r->caption);
    if (const auto* r = std::get_if<RadioRow>(&row); r && !r->captionIsTitle) take(r->caption);
  }
  return widest == 0 ? 0 : widest + kCaptionGap;
}

// The buttons at the right end of a panel's rows share one width.
int RowButtonWidth(std::span<const Row> rows) {
  int widest = 0;
  for (const Row& row : rows) {
    if (const auto* r = std::get_if<FieldRow>(&row); r && !r->button.empty() && r->width == 0)
      widest = std::max(widest, ButtonWidth(r->buttonCaption));
    if (const auto* r = std::get_if<ChoiceRow>(&row))
      widest = std::max(widest, ButtonWidth(r->buttonCaption));
  }
  return widest;
}

// Lays out one panel's rows from the top; every row builder returns the height it took.
class PanelLayout {
 public:
  PanelLayout(PageBuilder& builder, ControlRegistry& registry, QWidget* panel, int width,
              std::span<const Row> rows)
      : m_Builder(builder), m_Registry(registry), m_Panel(panel), m_Inner(width - 2 * kPadding),
        m_Caption(CaptionColumn(rows)), m_ButtonWidth(RowButtonWidth(rows)) {}

  int Build(const Row& row, int y) {
    return std::visit([this, y](const auto& r) { return Add(r, y); }, row);
  }

 private:
  [[nodiscard]] int Right() const { return kPadding + m_Inner; }

  void Register(QWidget* control, std::string_view name) {
    control->setObjectName(ToQString(name));
    m_Registry.Add(control);
  }

  BitmapButton* PushButton(std::string_view name, std::string_view caption, const QRect& place) {
    return m_Builder.Button(m_Panel, ToQString(name), caption, place);
  }

  int Add(const TitleRow& row, int y) {
    int titleWidth = m_Inner;
    if (!row.button.empty()) {
      const int w = ButtonWidth(row.buttonCaption);
      PushButton(row.button, row.buttonCaption, QRect(Right() - w, y, w, kLineHeight));
      titleWidth -= w + kButtonGap;
    }
    const int height = row.button.empty() ? kTitleHeight : kLineHeight;
    m_Builder.Caption(m_Panel, row.text, QRect(kPadding, y, titleWidth, height),
                      Qt::AlignLeft | Qt::AlignVCenter, theme::Look::kBold);
    return height;
  }

  int Add(const VolumeRow& row, int y) {
    m_Builder.Caption(m_Panel, row.caption, QRect(kPadding, y, m_Caption, kVolumeRowHeight));
    const int paneX = Right() - kPaneWidth;
    const int sliderX = kPadding + m_Caption;
    QSlider* slider = m_Builder.Slider(m_Panel, ToQString(row.bar), Qt::Horizontal, 84, 50,
                                       QRect(sliderX, y + (kVolumeRowHeight - kSliderThickness) / 2,
                                             paneX - kCaptionGap - sliderX, kSliderThickness));
    SetHint(slider, ToQString(row.role));
    if (const auto tag = ControlTagOf(row.bar)) SetTag(slider, *tag);
    ValuePane* pane = m_Builder.Pane(m_Panel, ToQString(row.pane), 0, "100",
                                     QRect(paneX, y + 2, kPaneWidth, kVolumeRowHeight - 4));
    SetHint(pane, QStringLiteral("0"));  // no position accepted yet
    return kVolumeRowHeight;
  }

  int Add(const RadioRow& row, int y) {
    int x = kPadding;
    if (!row.caption.empty()) {
      const theme::Look look = row.captionIsTitle ? theme::Look::kBold : theme::Look::kNormal;
      const int w =
          row.captionIsTitle ? PageBuilder::TextWidth(row.caption, look) + kCaptionGap : m_Caption;
      m_Builder.Caption(m_Panel, row.caption, QRect(x, y, w, kRadioButtonHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, look);
      x += std::max(w, m_Caption);
    } else {
      x += m_Caption;
    }

    int buttonsWidth = -kButtonGap;
    for (const ButtonChoice& b : row.buttons)
      buttonsWidth += ButtonWidth(b.caption) + kButtonGap;

    QWidget* parent = m_Panel;
    int bx = x;
    int by = y;
    int height = kRadioButtonHeight;
    if (!row.group.empty()) {
      auto* group = new Panel(m_Panel, theme::kWindow, theme::kPanelBorder, 4);
      group->setGeometry(x, y, buttonsWidth + 2 * kGroupPadding,
                         kRadioButtonHeight + 2 * kGroupPadding);
      Register(group, row.group);
      parent = group;
      bx = kGroupPadding;
      by = kGroupPadding;
      height += 2 * kGroupPadding;
    }
    int value = 0;
    for (const ButtonChoice& b : row.buttons) {
      const int w = ButtonWidth(b.caption);
      BitmapButton* button = m_Builder.Button(parent, ToQString(b.name), b.caption,
                                              QRect(bx, by, w, kRadioButtonHeight));
      SetHint(button, QString::number(value++));
      if (const auto tag = ControlTagOf(b.name)) SetTag(button, *tag);
      bx += w + kButtonGap;
    }
    return height;
  }

  int Add(const FieldRow& row, int y) {
    m_Builder.Caption(m_Panel, row.caption, QRect(kPadding, y, m_Caption, kLineHeight));
    const int editX = kPadding + m_Caption;
    int editWidth = row.width;
    int buttonX = 0;
    int buttonWidth = 0;
    if (!row.button.empty()) {
      buttonWidth = row.width == 0 ? m_ButtonWidth : ButtonWidth(row.buttonCaption);
      buttonX = row.width == 0 ? Right() - buttonWidth : editX + row.width + kButtonGap;
    }
    if (editWidth == 0) editWidth = (row.button.empty() ? Right() : buttonX - kButtonGap) - editX;

    auto* edit = new QLineEdit(m_Panel);
    edit->setGeometry(editX, y, editWidth, kLineHeight);
    if (row.maxLength > 0) edit->setMaxLength(row.maxLength);
    if (row.masked) {
      edit->setEchoMode(QLineEdit::Password);
      edit->setStyleSheet(kMaskedStyle);
    }
    edit->setEnabled(!row.disabled);
    Register(edit, row.edit);

    if (!row.button.empty()) {
      BitmapButton* button =
          PushButton(row.button, row.buttonCaption, QRect(buttonX, y, buttonWidth, kLineHeight));
      button->setEnabled(!row.buttonDisabled);
    }
    return kLineHeight;
  }

  int Add(const ChoiceRow& row, int y) {
    m_Builder.Caption(m_Panel, row.caption, QRect(kPadding, y, m_Caption, kLineHeight));
    const int listX = kPadding + m_Caption;
    const int buttonX = Right() - m_ButtonWidth;
    QComboBox* list = m_Builder.List(m_Panel, ToQString(row.list), row.items, 0,
                                     QRect(listX, y, buttonX - kButtonGap - listX, kLineHeight));
    if (const auto tag = ControlTagOf(row.list)) SetTag(list, *tag);
    PushButton(row.button, row.buttonCaption, QRect(buttonX, y, m_ButtonWidth, kLineHeight));
    return kLineHeight;
  }

  int Add(const BackupListRow& row, int y) {
    auto* table = new QTableWidget(0, 2, m_Panel);
    QStringList titles;
    for (std::string_view title : row.titles)
      titles.append(ToQString(title));
    table->setHorizontalHeaderLabels(titles);
    QHeaderView* header = table->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
    for (int c = 0; c < 2; ++c)
      table->setColumnWidth(c, row.columnWidths[static_cast<std::size_t>(c)]);
    QHeaderView* rows = table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(row.rowHeight);
    rows->setDefaultSectionSize(row.rowHeight);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setStyleSheet(kListStyle);
    header->ensurePolished();  // measured in the window's own header font
    const int height =
        header->sizeHint().height() + row.visibleRows * row.rowHeight + 2 * table->frameWidth();
    table->setGeometry(kPadding, y, m_Inner, height);
    Register(table, row.list);

    // Helpers the listing and the file transfer used to need; kept, never shown.
    auto* buffer = new QPlainTextEdit(m_Panel);
    buffer->hide();
    Register(buffer, row.textBuffer);
    auto* files = new QListWidget(m_Panel);
    files->hide();
    Register(files, row.fileList);
    return height;
  }

  int Add(const CodeRow& row, int y) {
    m_Builder.Caption(m_Panel, row.caption, QRect(kPadding, y, m_Caption, kLineHeight));
    m_Builder.Pane(m_Panel, ToQString(row.pane), 0, row.placeholder,
                   QRect(kPadding + m_Caption, y, kCodePaneWidth, kLineHeight));
    return kLineHeight;
  }

  int Add(const FolderRow& row, int y) {
    QLabel* label =
        m_Builder.Caption(m_Panel, {}, QRect(kPadding, y, m_Inner, kFolderHeight),
                          Qt::AlignLeft | Qt::AlignVCenter, theme::Look::kSmall, row.label);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return kFolderHeight;
  }

  PageBuilder& m_Builder;
  ControlRegistry& m_Registry;
  QWidget* m_Panel;
  int m_Inner;
  int m_Caption;
  int m_ButtonWidth;
};

}  // namespace

void BuildSystemPage(PageBuilder& builder, ControlRegistry& registry, QWidget* sheet) {
  std::array<int, 2> top = {kColumnTop, kColumnTop};
  for (const SystemPanel& entry : Panels()) {
    const auto column = static_cast<std::size_t>(entry.column == Column::kLeft ? 0 : 1);
    auto* panel = new Panel(sheet, theme::kPanel, theme::kPanelBorder, 8);
    panel->setObjectName(ToQString(entry.name));
    registry.Add(panel);

    PanelLayout layout(builder, registry, panel, kColumnWidth[column], entry.rows);
    int y = kTopPadding;
    for (const Row& row : entry.rows)
      y += layout.Build(row, y) + kRowGap;
    const int height = y - kRowGap + kTopPadding;
    panel->setGeometry(kColumnX[column], top[column], kColumnWidth[column], height);
    top[column] += height + kPanelGap;
  }
}

}  // namespace fenwave
