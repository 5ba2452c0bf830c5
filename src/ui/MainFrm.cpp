#include "ui/MainFrm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QWindow>

#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/ControlProps.h"
#include "ui/GraphPainter.h"
#include "ui/GraphWidgets.h"
#include "ui/PageLayout.h"
#include "ui/SystemPageBuilder.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

constexpr std::string_view kTitle = "Fenwave 1.0.8";

struct WindowButtonEntry {
  std::string_view name;
  Glyph glyph;
};
// Right to left from the window's right edge.
constexpr std::array<WindowButtonEntry, 3> kWindowButtons = {{
    {"RzBmpButton3", Glyph::kClose},
    {"RzBmpButton1", Glyph::kMaximise},
    {"RzBmpButton2", Glyph::kMinimise},
}};

struct VolumeEntry {
  std::string_view bar;
  std::string_view pane;
  std::string_view caption;
};
constexpr std::array<VolumeEntry, 3> kVolumes = {{
    {"SysMusNormalVolBar", "SysMusNormalVolPane", "音乐"},
    {"SysMicNormalVolBar", "SysMicNormalVolPane", "话筒"},
    {"SysEffNormalVolBar", "SysEffNormalVolPane", "效果"},
}};
constexpr int kVolumeMax = 84;
constexpr int kVolumeStart = 10;

// The sing/dance box: operating mode on the first row, bank on the second.
constexpr std::array<ButtonChoice, 4> kSingDanceButtons = {{
    {"ManulModeBtn", "手动"},
    {"AutoModeBtn", "自动"},
    {"SingModeBtn", "唱歌"},
    {"DiscoModeBtn", "舞蹈"},
}};

struct MarkerEntry {
  std::string_view name;
  EqMarker::Shape shape;
  int size;
};
constexpr int kBandMarkerSize = 14;
constexpr int kFilterMarkerSize = 24;

// EqMarkerTable order: the fifteen band markers, then high-pass and low-pass.
std::array<MarkerEntry, kEqMarkerCount> MarkerEntries() {
  static constexpr std::array<std::string_view, 15> kBandNames = {
      "EP1", "EP2",  "EP3",  "EP4",  "EP5",  "EP6",  "EP7", "EP8",
      "EP9", "EP10", "EP11", "EP12", "EP13", "EP14", "EP15"};
  std::array<MarkerEntry, kEqMarkerCount> entries{};
  for (std::size_t i = 0; i < kBandNames.size(); ++i)
    entries[i] = {kBandNames[i], EqMarker::Shape::kBand, kBandMarkerSize};
  entries[15] = {"HPF", EqMarker::Shape::kHighPass, kFilterMarkerSize};
  entries[16] = {"LPF", EqMarker::Shape::kLowPass, kFilterMarkerSize};
  return entries;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(ToQString(kTitle));
  setPalette(theme::Palette());
  setAutoFillBackground(true);
  setStyleSheet(theme::StyleSheet());
  resize(layout::kDesignSize);

  BuildTitleBar();
  BuildLeftColumn();
  BuildPageArea();

  SetCurveColours(theme::kCurveCyan, theme::kValueLabelCyan);

  // Window creation: the marker table is filled (BuildGraphPanel), the surface is set up and
  // the empty frame is drawn with its axis labels created.
  DrawFrame(false);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

void TForm1::SetHooks(MainWindowHooks hooks) {
  m_Hooks = std::move(hooks);
}

void TForm1::AddAnchor(QWidget* widget, unsigned anchors) {
  m_Anchored.push_back({widget, widget->geometry(), anchors});
}

// ---------------------------------------------------------------------------------------------
// Building the frame.

void TForm1::BuildTitleBar() {
  auto* titleBar = new TitleBar(this);
  titleBar->setObjectName(QStringLiteral("Image2"));
  titleBar->setGeometry(layout::kTitleBar);
  m_Controls.Add(titleBar);
  AddAnchor(titleBar, kStretchWidth);

  m_Builder.Caption(this, kTitle, layout::kTitleText, Qt::AlignLeft | Qt::AlignVCenter,
                    theme::Look::kTitle, "Label77");

  int right = layout::kDesignSize.width() - layout::kWindowButtonRight;
  for (const WindowButtonEntry& entry : kWindowButtons) {
    right -= layout::kWindowButton.width();
    BitmapButton* button =
        m_Builder.Button(this, ToQString(entry.name), {},
                         QRect(QPoint(right, layout::kWindowButtonTop), layout::kWindowButton));
    button->SetPictures(DrawGlyphPictures(button->size(), entry.glyph));
    AddAnchor(button, kKeepRight);
    right -= layout::kWindowButtonGap;
  }
  connect(Control<BitmapButton>(QStringLiteral("RzBmpButton1")), &BitmapButton::clicked, this,
          &TForm1::RzBmpButton1Click);
  connect(Control<BitmapButton>(QStringLiteral("RzBmpButton2")), &BitmapButton::clicked, this,
          &TForm1::RzBmpButton2Click);
  connect(Control<BitmapButton>(QStringLiteral("RzBmpButton3")), &BitmapButton::clicked, this,
          &TForm1::RzBmpButton3Click);
}

void TForm1::BuildLeftColumn() {
  auto* column = new Panel(this, theme::kPanel, theme::kPanelBorder, 0);
  column->setObjectName(QStringLiteral("RzGroupBox1"));
  column->setGeometry(layout::kLeftColumn);
  m_Controls.Add(column);
  AddAnchor(column, kStretchHeight);

  for (int page = 0; page < kPageCount; ++page) {
    const PageEntry& entry = kPageTable[static_cast<std::size_t>(page)];
    BitmapButton* button =
        m_Builder.Button(column, ToQString(entry.button), entry.buttonCaption,
                         layout::kFirstPageButton.translated(0, page * layout::kPageButtonPitch));
    theme::SetLook(button, theme::Look::kPageButton);
    SetTag(button, page);
    connect(button, &BitmapButton::clicked, this, [this, button] { FormTabBtn1Click(button); });
    m_PageButtons[static_cast<std::size_t>(page)] = button;
  }

  m_Builder.Caption(column, " 音量控制     ", layout::kVolumeCaption,
                    Qt::AlignLeft | Qt::AlignVCenter, theme::Look::kCaptionBox, "RzGroupBox103");

  auto* volumes = new Panel(column, theme::kWindow, theme::kPanelBorder, 0);
  volumes->setObjectName(QStringLiteral("MUSBarBox"));
  volumes->setGeometry(layout::kVolumeBox);
  m_Controls.Add(volumes);
  const int w = layout::kVolumeColumnWidth;
  for (std::size_t i = 0; i < kVolumes.size(); ++i) {
    const int x = 2 + static_cast<int>(i) * w;
    ValuePane* pane =
        m_Builder.Pane(volumes, ToQString(kVolumes[i].pane), 0, "10", QRect(x + 1, 6, w - 2, 18));
    // The pane's hint keeps the last accepted position of its slider, "0" before the first.
    SetHint(pane, QStringLiteral("0"));
    QSlider* bar = m_Builder.Slider(volumes, ToQString(kVolumes[i].bar), Qt::Vertical, kVolumeMax,
                                    kVolumeStart, QRect(x + (w - 22) / 2, 30, 22, 154));
    SetHint(bar, QStringLiteral("0"));  // everyday-volume role
    m_Builder.Caption(volumes, kVolumes[i].caption, QRect(x, 188, w, 18), Qt::AlignCenter);
  }

  m_Builder.Button(column, QStringLiteral("LinkBtn"), "联机", layout::kLinkButton);
  m_Builder.Button(column, QStringLiteral("UnLinkBtn"), "断开", layout::kUnLinkButton);
  QLabel* linkLabel = m_Builder.Caption(column, "设备未连接", layout::kLinkLabel, Qt::AlignCenter,
                                        theme::Look::kNormal, "LinkLabel");
  linkLabel->hide();
}

void TForm1::BuildPageArea() {
  auto* area = new Panel(this, theme::kWindow, QColor(), 0);
  area->setObjectName(QStringLiteral("RzGroupBox2"));
  area->setGeometry(layout::kPageArea);
  m_Controls.Add(area);
  AddAnchor(area, kStretchWidth | kStretchHeight);

  // The page container shows no tabs: only the page buttons change its page.
  m_FormPageItem = new QStackedWidget(area);
  m_FormPageItem->setObjectName(QStringLiteral("FormPageItem"));
  m_FormPageItem->setGeometry(QRect(QPoint(0, 0), layout::kPageArea.size()));
  m_Controls.Add(m_FormPageItem);
  AddAnchor(m_FormPageItem, kStretchHeight);

  for (int page = 0; page < kPageCount; ++page) {
    const PageEntry& entry = kPageTable[static_cast<std::size_t>(page)];
    auto* sheet = new QWidget;
    sheet->setObjectName(ToQString(entry.sheet));
    sheet->setWindowTitle(ToQString(entry.sheetCaption));
    m_FormPageItem->addWidget(sheet);
    m_Controls.Add(sheet);
    m_Sheets[static_cast<std::size_t>(page)] = sheet;
    if (page < kEqPageCount) {
      m_BandStrips[static_cast<std::size_t>(page)] = m_Builder.BuildBandStrip(sheet, page);
      m_Builder.BuildSheet(sheet, page);
    } else {
      BuildSystemPage(m_Builder, m_Controls, sheet);
    }
  }

  // The shared EQ region over every processing page.
  m_EqEditor = m_Builder.BuildBandEditor(area, layout::kBandEditor);

  auto* singDance = new Panel(area, theme::kPanel, theme::kPanelBorder);
  singDance->setObjectName(QStringLiteral("SingleDiscoGrop"));
  singDance->setGeometry(layout::kSingDanceBox);
  m_Controls.Add(singDance);
  const int buttonWidth = (layout::kSingDanceBox.width() - 12) / 2;
  for (std::size_t i = 0; i < kSingDanceButtons.size(); ++i) {
    const int col = static_cast<int>(i % 2);
    const int row = static_cast<int>(i / 2);
    m_Builder.Button(singDance, ToQString(kSingDanceButtons[i].name), kSingDanceButtons[i].caption,
                     QRect(4 + col * (buttonWidth + 4), 6 + row * 30, buttonWidth, 26));
  }
  m_SingDance = singDance;

  for (int i = 0; i < 3; ++i) {
    auto* divider = new Panel(area, theme::kPanelBorder, QColor(), 0);
    divider->setObjectName(QStringLiteral("DiscurveGrop%1").arg(i + 1));
    const int x = layout::ColumnX(i) + layout::kColumnWidth + (layout::kDividerWidth - 2) / 2;
    divider->setGeometry(x, layout::kColumnTop, 2, layout::kDividerBottom - layout::kColumnTop);
    m_Controls.Add(divider);
    m_Dividers[static_cast<std::size_t>(i)] = divider;
  }

  BuildGraphPanel(area);
  BuildHiddenControls(area);
}

void TForm1::BuildGraphPanel(QWidget* pageArea) {
  auto* outer = new Panel(pageArea, theme::kGraphOuter, QColor(44, 50, 58), 4);
  outer->setObjectName(QStringLiteral("AdvPanel1"));
  outer->setGeometry(layout::kGraphOuter);
  m_Controls.Add(outer);
  AddAnchor(outer, kStretchWidth | kStretchHeight);
  m_AdvPanel1 = outer;

  auto* inner = new Panel(outer, theme::kGraphInner, QColor(), 0);
  inner->setObjectName(QStringLiteral("AdvPanel2"));
  inner->setGeometry(layout::kGraphInner);
  m_Controls.Add(inner);
  AddAnchor(inner, kStretchWidth | kStretchHeight);
  m_AdvPanel2 = inner;

  m_Image1 = new GraphSurface(inner);
  m_Image1->setObjectName(QStringLiteral("Image1"));
  m_Image1->setGeometry(inner->rect());
  QImage picture(inner->size(), QImage::Format_RGB32);
  picture.fill(theme::kGraphBackground);
  m_Image1->SetPicture(std::move(picture));
  m_Controls.Add(m_Image1);

  m_EQlabel = m_Builder.Caption(inner, "+12dB\nQ:128.00\n12000.00Hz", QRect(430, 60, 90, 48),
                                Qt::AlignCenter, theme::Look::kSmallBold, "EQlabel");

  m_EQPassLabel = m_Builder.Caption(inner, "EQ PASS", QRect(0, 0, 240, 48), Qt::AlignCenter,
                                    theme::Look::kEqPass, "EQPassLabel");
  m_EQPassLabel->move((inner->width() - m_EQPassLabel->width()) / 2,
                      (inner->height() - m_EQPassLabel->height()) / 2);
  m_EQPassLabel->hide();

  // The marker table, in its fixed order; each marker's tag is its index. The curve drawing
  // shows and places them.
  const auto entries = MarkerEntries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    auto* marker = new EqMarker(inner, entries[i].shape, static_cast<int>(i) + 1);
    marker->setObjectName(ToQString(entries[i].name));
    marker->resize(entries[i].size, entries[i].size);
    SetTag(marker, static_cast<int>(i));
    marker->hide();
    m_Controls.Add(marker);
    m_EqMarkerTable[i] = marker;
  }
}

void TForm1::BuildHiddenControls(QWidget* pageArea) {
  // Placeholders and stores the user never sees.
  auto* example = new QLineEdit(this);
  example->setObjectName(QStringLiteral("Example"));
  example->hide();
  m_Controls.Add(example);

  // The template of the page and radio button pictures, drawn at the page buttons' size.
  m_ExampleBtn = m_Builder.Button(this, QStringLiteral("ExampleBtn"), {}, layout::kFirstPageButton);
  m_ExampleBtn->hide();

  auto* ports = new QComboBox(this);
  ports->setObjectName(QStringLiteral("ComComboBox1"));
  ports->hide();
  m_Controls.Add(ports);

  auto* frequencyBox = new Panel(pageArea);
  frequencyBox->setObjectName(QStringLiteral("RzGroupBox10"));
  frequencyBox->setGeometry(0, 0, 200, 60);
  m_Controls.Add(frequencyBox);
  m_Builder.Slider(frequencyBox, QStringLiteral("MusEQTrackBar1"), Qt::Horizontal, 361, 0,
                   QRect(4, 4, 150, 20));
  m_Builder.Button(frequencyBox, {}, "频率", QRect(4, 28, 60, 24));
  frequencyBox->hide();

  QWidget* music = m_Sheets[0];
  BitmapButton* stepButton =
      m_Builder.Button(music, QStringLiteral("MusEQBmpBtn1"), {}, QRect(0, 0, 20, 20));
  stepButton->hide();

  // The diagnostic text box of the link (check-byte mismatches are written there).
  auto* hintBox = new QGroupBox(QStringLiteral("提示框"), music);
  hintBox->setObjectName(QStringLiteral("RzGroupBox5"));
  hintBox->setGeometry(layout::kColumnLeft, layout::kColumnTop, 300, 200);
  m_Controls.Add(hintBox);
  auto* memo = new QPlainTextEdit(hintBox);
  memo->setObjectName(QStringLiteral("Memo2"));
  memo->setReadOnly(true);
  memo->setGeometry(6, 20, 288, 174);
  m_Controls.Add(memo);
  hintBox->hide();
}

// ---------------------------------------------------------------------------------------------
// Accessors.

QWidget* TForm1::Sheet(int page) const {
  return page >= 0 && page < kPageCount ? m_Sheets[static_cast<std::size_t>(page)] : nullptr;
}

QScrollArea* TForm1::BandStrip(int page) const {
  return page >= 0 && page < kEqPageCount ? m_BandStrips[static_cast<std::size_t>(page)].strip
                                          : nullptr;
}

QScrollBar* TForm1::BandStripScrollBar(int page) const {
  return page >= 0 && page < kEqPageCount ? m_BandStrips[static_cast<std::size_t>(page)].scrollBar
                                          : nullptr;
}

const std::vector<ClickLabel*>& TForm1::EqPointLabels(int page) const {
  static const std::vector<ClickLabel*> kNone;
  return page >= 0 && page < kEqPageCount ? m_BandStrips[static_cast<std::size_t>(page)].pointLabels
                                          : kNone;
}

void TForm1::SetCurveColours(const QColor& curve, const QColor& labelFont) {
  m_CurveColour = curve;
  m_EqLabelFontColour = labelFont;
  // A colour of its own needs the label's own style sheet: the window's sheet sets every text
  // colour and would override a palette.
  m_EQlabel->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(labelFont.name()));
}

// ---------------------------------------------------------------------------------------------
// Page switch.

void TForm1::FormTabBtn1Click(BitmapButton* button) {
  if (!button) return;
  // 1. Page code, and the page buttons painted as a radio group with the template's pictures.
  const int page = Tag(button);
  for (int i = 0; i < kPageCount; ++i) {
    BitmapButton* b = m_PageButtons[static_cast<std::size_t>(i)];
    b->SetPicture(Picture::Up, m_ExampleBtn->picture(i == page ? Picture::Down : Picture::Up));
    b->SetPicture(Picture::Down, m_ExampleBtn->picture(Picture::Down));
  }
  m_PageCode = PageCodeOf(page);
  const int shown = m_PageCode & 0xFF;

  // 2. Colours: orange only for microphone group B on the microphone page.
  const bool groupB = shown == 1 && m_Hooks.micGroupB && m_Hooks.micGroupB();
  if (groupB)
    SetCurveColours(theme::kCurveOrange, theme::kCurveOrange);
  else
    SetCurveColours(theme::kCurveCyan, theme::kValueLabelCyan);

  // 3.-4. Curve and shared band editor: filled in by the control binding.
  if (m_Hooks.redrawCurve) m_Hooks.redrawCurve(m_PageCode);
  if (m_Hooks.pointBandEditor) m_Hooks.pointBandEditor(m_PageCode);

  // 5. Visibility of the shared EQ region and the graph.
  const bool eqPage = shown != kSystemPage;
  m_AdvPanel1->setVisible(eqPage);
  m_EqEditor->setVisible(eqPage);
  for (QWidget* divider : m_Dividers)
    divider->setVisible(eqPage);
  m_SingDance->setVisible(eqPage && ShowsSingDance(shown));

  // 6. The page's sheet; a tag without a page shows the System sheet, as its code says.
  m_FormPageItem->setCurrentWidget(
      m_Sheets[static_cast<std::size_t>(shown >= 0 && shown < kPageCount ? shown : kSystemPage)]);
}

// ---------------------------------------------------------------------------------------------
// Graph frame.

void TForm1::DrawFrame([[maybe_unused]] bool labelsExist) {
  QImage& picture = m_Image1->Picture();
  PaintFrame(picture, theme::kGraphBackground);
  m_Image1->update();

  const auto labels = AxisLabels(SurfaceSize{picture.width(), picture.height()},
                                 PanelOrigin{m_AdvPanel2->x(), m_AdvPanel2->y()});
  for (std::size_t i = 0; i < labels.size(); ++i) {
    QLabel*& label = m_AxisLabels[i];
    // Labels are created once, by the first call; a later call finding none (it cannot happen
    // in the window's own order) creates them rather than drawing a graph without axes.
    if (!label) {
      label = new QLabel(m_AdvPanel1);
      label->setObjectName(ToQString(labels[i].name));
      theme::SetLook(label, theme::Look::kAxis);  // bold, white, transparent
      label->setAlignment(labels[i].alignment == LabelAlignment::kRight
                              ? Qt::AlignRight | Qt::AlignVCenter
                              : Qt::AlignCenter);
      m_Controls.Add(label);
    }
    label->show();
    label->setText(ToQString(labels[i].text));
    label->setGeometry(labels[i].left, labels[i].top, labels[i].width, labels[i].height);
  }
}

void TForm1::ResizeGraphSurface() {
  m_Image1->setGeometry(m_AdvPanel2->rect());
  if (m_Image1->Picture().size() == m_Image1->size()) return;
  QImage picture(m_Image1->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  picture.fill(theme::kGraphBackground);
  m_Image1->SetPicture(std::move(picture));
  DrawFrame(true);
  if (m_Hooks.redrawCurve) m_Hooks.redrawCurve(m_PageCode);
}

// ---------------------------------------------------------------------------------------------
// Window behaviour.

void TForm1::ApplyAnchors() {
  const int dw = width() - layout::kDesignSize.width();
  const int dh = height() - layout::kDesignSize.height();
  for (const AnchoredWidget& a : m_Anchored) {
    QRect r = a.design;
    if (a.anchors & kStretchWidth) r.setWidth(std::max(0, r.width() + dw));
    if (a.anchors & kStretchHeight) r.setHeight(std::max(0, r.height() + dh));
    if (a.anchors & kKeepRight) r.translate(dw, 0);
    a.widget->setGeometry(r);
  }
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ApplyAnchors();
  ResizeGraphSurface();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (m_FirstShown) return;
  m_FirstShown = true;
  if (m_Hooks.startUp) m_Hooks.startUp();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (m_Hooks.closing) m_Hooks.closing();
  QWidget::closeEvent(event);
}

void TForm1::RzBmpButton1Click() {
  if (m_Maximised) {
    m_Maximised = false;
    setGeometry(m_RestoreGeometry);
    return;
  }
  // Maximised means the screen's free area: the taskbar, wherever it stands, stays visible.
  m_RestoreGeometry = geometry();
  m_Maximised = true;
  const QScreen* current = screen() ? screen() : QGuiApplication::primaryScreen();
  if (current) setGeometry(current->availableGeometry());
}

void TForm1::RzBmpButton2Click() {
  showMinimized();
}

void TForm1::RzBmpButton3Click() {
  close();
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  // The window system moves the window where it can (and must, on some desktops); otherwise
  // the window follows the mouse itself.
  if (windowHandle() && windowHandle()->startSystemMove()) return;
  m_Dragging = true;
  m_DragOffset = event->globalPosition().toPoint() - pos();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  if (!m_Dragging || !(event->buttons() & Qt::LeftButton)) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  event->accept();
  move(event->globalPosition().toPoint() - m_DragOffset);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_Dragging = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace fenwave
