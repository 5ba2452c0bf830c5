// The main window TForm1: the borderless frame with its title bar and window buttons, the left
// column, the page container with the seven processing pages and the System sheet, the shared
// EQ region, the EQ graph panel with its frame and markers, and the page switch.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "eq/GraphFrame.h"
#include "ui/PageBuilder.h"
#include "ui/PageTables.h"

class QLabel;
class QScrollArea;
class QScrollBar;
class QStackedWidget;

namespace fenwave {

class BitmapButton;
class ClickLabel;
class EqMarker;
class GraphSurface;

inline constexpr int kEqMarkerCount = 17;  // EP1..EP15, HPF, LPF

// What the control binding adds to the frame's own behaviour. Every hook is optional: an empty
// one does nothing (and micGroupB counts as "group A").
struct MainWindowHooks {
  // True while microphone group B is selected; the page switch then colours the microphone
  // page's curve orange.
  std::function<bool()> micGroupB;
  // Page switch step 3, and after the graph surface was resized: redraw the response curve of
  // the page shown (all elements, then the page's selected band).
  std::function<void(int pageCode)> redrawCurve;
  // Page switch step 4: point the shared band editor at the page's selected band when that
  // band's frequency control is an edit box.
  std::function<void(int pageCode)> pointBandEditor;
  // The window is about to close: send the disconnect request when the link is up.
  std::function<void()> closing;
  // The window is shown for the first time: the start-up sequence.
  std::function<void()> startUp;
};

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;
  Q_DISABLE_COPY_MOVE(TForm1)

  void SetHooks(MainWindowHooks hooks);

  // ----- Controls by objectName (every control carries its name). -----
  [[nodiscard]] QWidget* Control(const QString& name) const { return m_Controls.Find(name); }
  template <class T> [[nodiscard]] T* Control(const QString& name) const {
    return m_Controls.Find<T>(name);
  }
  [[nodiscard]] const ControlRegistry& Controls() const { return m_Controls; }

  // ----- Pages. -----
  // The page switch shared by the eight page buttons (their tag is the page number).
  void FormTabBtn1Click(BitmapButton* button);
  // Page number + 256 × module of the page shown; 0 until the first page switch.
  [[nodiscard]] int PageCode() const { return m_PageCode; }
  [[nodiscard]] int CurrentPage() const { return m_PageCode & 0xFF; }
  [[nodiscard]] const std::array<BitmapButton*, kPageCount>& PageButtons() const {
    return m_PageButtons;
  }
  [[nodiscard]] QWidget* Sheet(int page) const;
  [[nodiscard]] QStackedWidget* FormPageItem() const { return m_FormPageItem; }
  // The hidden template whose pictures the page buttons (and radio buttons) share.
  [[nodiscard]] BitmapButton* ExampleBtn() const { return m_ExampleBtn; }

  // ----- Band strips of the EQ pages 0..6. -----
  [[nodiscard]] QScrollArea* BandStrip(int page) const;
  [[nodiscard]] QScrollBar* BandStripScrollBar(int page) const;
  [[nodiscard]] const std::vector<ClickLabel*>& EqPointLabels(int page) const;

  // ----- EQ graph panel. -----
  // EP1..EP15, HPF, LPF; each marker's tag is its index.
  [[nodiscard]] const std::array<EqMarker*, kEqMarkerCount>& EqMarkerTable() const {
    return m_EqMarkerTable;
  }
  [[nodiscard]] GraphSurface* Image1() const { return m_Image1; }
  [[nodiscard]] QWidget* AdvPanel1() const { return m_AdvPanel1; }
  [[nodiscard]] QWidget* AdvPanel2() const { return m_AdvPanel2; }
  [[nodiscard]] QLabel* EQlabel() const { return m_EQlabel; }
  [[nodiscard]] QLabel* EQPassLabel() const { return m_EQPassLabel; }
  // Paints background and grid into Image1's picture and places the axis labels on AdvPanel1.
  // `labelsExist` is false on the first call, which creates the labels; the window keeps them,
  // so a call with the wrong flag neither duplicates nor loses them.
  void DrawFrame(bool labelsExist);

  // Curve colour (read by the curve drawing) and EQlabel's font colour.
  [[nodiscard]] QColor CurveColour() const { return m_CurveColour; }
  [[nodiscard]] QColor EqLabelFontColour() const { return m_EqLabelFontColour; }
  void SetCurveColours(const QColor& curve, const QColor& labelFont);

  [[nodiscard]] bool StartupComplete() const { return m_StartupComplete; }
  void SetStartupComplete(bool complete) { m_StartupComplete = complete; }

  // ----- Window buttons. -----
  void RzBmpButton1Click();  // maximise to the screen's free area, or restore
  void RzBmpButton2Click();  // minimise
  void RzBmpButton3Click();  // close
  [[nodiscard]] bool Maximised() const { return m_Maximised; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A left press that reaches the window itself (title bar, title text, the background between
  // regions) drags the window; controls and regions take their presses before that.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // How a region follows the window when its size changes.
  enum Anchor : unsigned { kFixed = 0, kStretchWidth = 1, kStretchHeight = 2, kKeepRight = 4 };
  struct AnchoredWidget {
    QWidget* widget;
    QRect design;
    unsigned anchors;
  };

  void BuildTitleBar();
  void BuildLeftColumn();
  void BuildPageArea();
  void BuildGraphPanel(QWidget* pageArea);
  void BuildHiddenControls(QWidget* pageArea);
  void AddAnchor(QWidget* widget, unsigned anchors);
  void ApplyAnchors();
  void ResizeGraphSurface();

  ControlRegistry m_Controls;
  PageBuilder m_Builder{m_Controls};
  MainWindowHooks m_Hooks;
  std::vector<AnchoredWidget> m_Anchored;

  std::array<BitmapButton*, kPageCount> m_PageButtons{};
  std::array<QWidget*, kPageCount> m_Sheets{};
  std::array<BandStripControls, kEqPageCount> m_BandStrips{};
  std::array<EqMarker*, kEqMarkerCount> m_EqMarkerTable{};
  std::array<QLabel*, kAxisLabelCount> m_AxisLabels{};
  QStackedWidget* m_FormPageItem = nullptr;
  BitmapButton* m_ExampleBtn = nullptr;
  QWidget* m_EqEditor = nullptr;
  QWidget* m_SingDance = nullptr;
  std::array<QWidget*, 3> m_Dividers{};
  QWidget* m_AdvPanel1 = nullptr;
  QWidget* m_AdvPanel2 = nullptr;
  GraphSurface* m_Image1 = nullptr;
  QLabel* m_EQlabel = nullptr;
  QLabel* m_EQPassLabel = nullptr;

  int m_PageCode = 0;
  bool m_StartupComplete = false;
  bool m_FirstShown = false;
  QColor m_CurveColour;
  QColor m_EqLabelFontColour;

  bool m_Maximised = false;
  QRect m_RestoreGeometry;
  bool m_Dragging = false;
  QPoint m_DragOffset;  // press position relative to the window's top-left corner
};

}  // namespace fenwave
