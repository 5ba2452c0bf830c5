// The EQ graph on the main window: what a drawing shows (markers, value label, "EQ PASS", the
// curve's pixels and colour), the marker drag through real mouse events, and the 10 ms tick
// that applies the targets through the binding and redraws after an EQ change.
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <optional>
#include <vector>

#include "WindowFixture.h"
#include "model/Address.h"
#include "model/BindingData.h"
#include "model/ParameterModel.h"
#include "platform/TickTimer.h"
#include "ui/EqGraph.h"
#include "ui/GraphPainter.h"
#include "ui/GraphWidgets.h"

namespace fenwave {
namespace {

const QRgb kBackground = qRgb(4, 6, 6);
const QRgb kCyan = qRgb(0, 204, 255);
const QRgb kOrange = qRgb(255, 102, 0);

struct AppliedValue {
  QString control;
  int step;
  bool displayOnly;
  double x;
  bool operator==(const AppliedValue&) const = default;
};

void PrintTo(const AppliedValue& v, std::ostream* os) {
  *os << v.control.toStdString() << "(step " << v.step << (v.displayOnly ? ", shown " : ", sent ")
      << v.x << ")";
}

// Stores what it is asked to apply in the model and records it as the last change, as the real
// binding does for EQ edits and filter panes.
class FakeBinding final : public BindingForGraph {
 public:
  explicit FakeBinding(ParameterModel& model) : m_Model(model) {}

  void ApplyValue(QWidget* control, int step, bool displayOnly, double x) override {
    applied.push_back({control->objectName(), step, displayOnly, x});
    const std::optional<ParamAddress> address = ControlTagOf(control->objectName().toStdString());
    if (!address) return;
    m_Model.SetValue(*address, static_cast<int>(x));
    lastAddress = *address;
    lastValue = static_cast<int>(x);
  }
  [[nodiscard]] int LastChangedAddress() const override { return lastAddress; }
  [[nodiscard]] int LastChangedValue() const override { return lastValue; }
  [[nodiscard]] bool Refreshing() const override { return refreshing; }
  [[nodiscard]] int SelectedBand(int page) const override {
    return selectedBand[static_cast<std::size_t>(page)];
  }
  [[nodiscard]] int EqPassState(int module) const override {
    return eqPass[static_cast<std::size_t>(module)];
  }
  void EqPointLabelClick(QWidget* label) override { clickedLabels.push_back(label->objectName()); }

  std::vector<AppliedValue> applied;
  std::vector<QString> clickedLabels;
  int lastAddress = 0;
  int lastValue = 0;
  bool refreshing = false;
  std::array<int, 7> selectedBand{};
  std::array<int, kModuleCount> eqPass{};

 private:
  ParameterModel& m_Model;
};

class FakeTickTimer final : public TickTimer {
 public:
  void SetTick(Tick tick) override { m_Tick = std::move(tick); }
  void Start(std::chrono::milliseconds interval) override {
    m_Interval = interval;
    m_Running = true;
  }
  void Stop() override { m_Running = false; }
  [[nodiscard]] bool IsRunning() const override { return m_Running; }
  void Fire() {
    if (m_Tick) m_Tick();
  }
  [[nodiscard]] bool HasTick() const { return static_cast<bool>(m_Tick); }
  [[nodiscard]] std::chrono::milliseconds Interval() const { return m_Interval; }

 private:
  Tick m_Tick;
  std::chrono::milliseconds m_Interval{0};
  bool m_Running = false;
};

constexpr int kMarkerEP1 = 0;
constexpr int kMarkerHPF = 15;
constexpr int kMarkerLPF = 16;

class EqGraphTest : public SharedWindowTest {
 protected:
  void SetUp() override {
    Window().SetHooks({});
    Window().SetStartupComplete(true);
    // Every band at 0 dB, spread over the range as the EQ reset does; every filter off.
    for (int m : {kMusic, kMicA, kMicB, kEcho, kMain, kSub, kCenter, kSurround}) {
      const int n = EqBandCount[static_cast<std::size_t>(m)];
      for (int k = 0; k < n; ++k) {
        const int d = FirstBandSlot[static_cast<std::size_t>(m)] + 5 * k;
        m_Model.SetValue(MakeAddress(m, d + 1), k * 360 / n + 5);
        m_Model.SetValue(MakeAddress(m, d + 2), 120);
      }
    }
    m_Model.SetValue(0x0305, 194);  // echo low-pass "Off"
    ShowPage(0);
  }
  void TearDown() override {
    Window().SetHooks({});
    Window().SetStartupComplete(false);
  }

  static void ShowPage(int page) {
    Window().FormTabBtn1Click(Window().PageButtons()[static_cast<std::size_t>(page)]);
  }
  void DrawPage(int page) {
    ShowPage(page);
    m_Graph.RedrawPage(Window().PageCode());
  }
  static EqMarker* Marker(int index) {
    return Window().EqMarkerTable()[static_cast<std::size_t>(index)];
  }
  static const QImage& Picture() { return Window().Image1()->Picture(); }

  // Mouse events as the window system delivers them to a marker, in its own coordinates.
  static void Send(EqMarker* marker, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), marker->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(marker, &event);
  }
  static void Press(EqMarker* marker, QPoint at) {
    Send(marker, QEvent::MouseButtonPress, at, Qt::LeftButton);
  }
  static void Move(EqMarker* marker, QPoint at) {
    Send(marker, QEvent::MouseMove, at, Qt::LeftButton);
  }
  static void Release(EqMarker* marker, QPoint at) {
    Send(marker, QEvent::MouseButtonRelease, at, Qt::NoButton);
  }

  ParameterModel m_Model;
  FakeBinding m_Binding{m_Model};
  FakeTickTimer m_Timer;
  EqGraph m_Graph{Window(), m_Model, m_Binding, m_Timer};
};

// ----- Drawing -------------------------------------------------------------------------------

TEST_F(EqGraphTest, EachPageShowsItsBandAndFilterMarkersOnly) {
  struct Case {
    int page;
    int bands;
    bool highPass;
    bool lowPass;
  };
  const Case cases[] = {
      {0, 10, false, false}, {1, 15, true, false}, {2, 3, true, true},  {3, 5, true, false},
      {4, 5, true, false},   {5, 3, true, true},   {6, 5, true, false},
  };
  for (const Case& c : cases) {
    DrawPage(c.page);
    for (int i = 0; i < 15; ++i)
      EXPECT_EQ(Marker(i)->isHidden(), i >= c.bands) << "page " << c.page << " EP" << i + 1;
    EXPECT_EQ(Marker(kMarkerHPF)->isHidden(), !c.highPass) << "page " << c.page << " HPF";
    EXPECT_EQ(Marker(kMarkerLPF)->isHidden(), !c.lowPass) << "page " << c.page << " LPF";
  }
}

TEST_F(EqGraphTest, MarkersSitOnTheirBandsInPanelCoordinates) {
  m_Model.SetValue(0x0005, 204);  // band 1: 1000 Hz, 0 dB
  m_Model.SetValue(0x000A, 204);  // band 2: 1000 Hz, +12 dB
  m_Model.SetValue(0x000B, 180);
  DrawPage(0);
  EXPECT_EQ(Marker(0)->parentWidget(), Window().AdvPanel2());
  EXPECT_EQ(Marker(0)->pos(), QPoint(555, 62));
  EXPECT_EQ(Marker(1)->pos(), QPoint(555, -7));
  DrawPage(2);  // filters off: the high-pass at 19 Hz, the low-pass at 20600 Hz, both on 0 dB
  EXPECT_EQ(Marker(kMarkerHPF)->pos(), QPoint(66, 57));
  EXPECT_EQ(Marker(kMarkerLPF)->pos(), QPoint(919, 57));
}

TEST_F(EqGraphTest, FlatSettingsDrawTheStraightZeroDecibelLine) {
  QImage frame(950, 208, QImage::Format_RGB32);
  PaintFrame(frame, QColor(kBackground));
  // The subwoofer's low-pass has no off state, so its curve is never flat.
  for (int page : {0, 1, 2, 3, 4, 6}) {
    DrawPage(page);
    const QImage& picture = Picture();
    ASSERT_EQ(picture.size(), QSize(950, 208));
    int changed = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (y == 69) {
          ASSERT_EQ(pixel, kCyan) << "page " << page << " curve at x " << x;
        } else if (y != 68 && y != 70) {
          ASSERT_EQ(pixel, frame.pixel(x, y)) << "page " << page << " at " << x << "," << y;
        } else {
          changed += pixel != frame.pixel(x, y) ? 1 : 0;
        }
      }
    }
    EXPECT_EQ(changed, 2 * 950) << "page " << page << ": anti-aliased rows beside the curve";
  }
}

TEST_F(EqGraphTest, CurveIsOrangeForMicrophoneGroupBOnlyOnTheMicrophonePage) {
  MainWindowHooks hooks;
  hooks.micGroupB = [] { return true; };
  Window().SetHooks(std::move(hooks));
  struct Case {
    int page;
    QRgb curve;
  };
  for (const Case c : {Case{1, kOrange}, Case{0, kCyan}, Case{1, kOrange}, Case{3, kCyan}}) {
    DrawPage(c.page);
    EXPECT_EQ(Picture().pixel(300, 69), c.curve) << "page " << c.page;
  }
}

TEST_F(EqGraphTest, EqPassLabelFollowsTheModulesPassState) {
  m_Binding.eqPass[5] = 1;
  DrawPage(3);
  EXPECT_FALSE(Window().EQPassLabel()->isHidden());
  EXPECT_EQ(Picture().pixel(300, 69), kCyan) << "the curve is drawn in either case";
  DrawPage(0);
  EXPECT_TRUE(Window().EQPassLabel()->isHidden());
}

TEST_F(EqGraphTest, BandLabelSitsBelowItsMarkerUnlessTheGainIsNegative) {
  struct Case {
    int gainStep;
    const char* text;
    int markerTop;
    bool above;
  };
  const Case cases[] = {
      {90, "-6.0dB\nQ:1.00\n1000.00Hz", 96, true},
      {119, "-0.2dB\nQ:1.00\n1000.00Hz", 63, true},
      {120, "0.0dB\nQ:1.00\n1000.00Hz", 62, false},
      {180, "12.0dB\nQ:1.00\n1000.00Hz", -7, false},
  };
  QLabel* label = Window().EQlabel();
  for (const Case& c : cases) {
    m_Model.SetValue(0x0005, 204);
    m_Model.SetValue(0x0006, c.gainStep);
    m_Model.SetValue(0x0007, 16);  // Q 1.00
    m_Graph.DrawCurve(0, kMusic);
    EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(Marker(0)->pos(), QPoint(555, c.markerTop)) << c.text;
    EXPECT_EQ(label->x(), 555 + 7 - label->width() / 2) << c.text;
    const int top = c.above ? c.markerTop - label->height() - 1 : c.markerTop + 14;
    EXPECT_EQ(label->y(), top) << c.text;
  }
}

TEST_F(EqGraphTest, PressingAFilterMarkerThatIsOffShowsOffOverItsLowerEdge) {
  ShowPage(2);
  m_Graph.RedrawPage(Window().PageCode());
  QLabel* label = Window().EQlabel();
  struct Case {
    int marker;
    QPoint at;
  };
  for (const Case c : {Case{kMarkerHPF, {66, 57}}, Case{kMarkerLPF, {919, 57}}}) {
    label->setText(QStringLiteral("before"));
    Press(Marker(c.marker), {12, 12});
    Release(Marker(c.marker), {12, 12});
    EXPECT_EQ(label->text(), QStringLiteral("OFF"));
    EXPECT_EQ(label->pos(), QPoint(c.at.x() + 12 - label->width() / 2, c.at.y() + 24 - 5));
  }
}

TEST_F(EqGraphTest, NothingIsDrawnWhileRefreshingOrForTheSystemPage) {
  DrawPage(0);
  const QImage drawn = Picture();
  Window().Image1()->Picture().fill(Qt::red);
  m_Binding.refreshing = true;
  m_Graph.DrawCurve(kAllCurveElements, kMusic);
  EXPECT_EQ(Picture().pixel(300, 69), qRgb(255, 0, 0));
  m_Binding.refreshing = false;
  m_Graph.DrawCurve(kAllCurveElements, kSystem);
  EXPECT_EQ(Picture().pixel(300, 69), qRgb(255, 0, 0));
  m_Graph.DrawCurve(kAllCurveElements, kMusic);
  EXPECT_EQ(Picture(), drawn) << "the frame under the curve is drawn again first";
}

TEST_F(EqGraphTest, ResizedSurfaceIsRedrawnThroughTheWindowsHook) {
  m_Model.SetValue(0x0005, 204);
  m_Model.SetValue(0x0007, 16);  // Q 1.00
  m_Binding.selectedBand[0] = 0;
  MainWindowHooks hooks;
  hooks.redrawCurve = [this](int pageCode) { m_Graph.RedrawPage(pageCode); };
  Window().SetHooks(std::move(hooks));
  DrawPage(0);
  Window().EQlabel()->setText(QStringLiteral("before"));
  Window().resize(1236, 749);  // the graph grows to 1050 × 308
  QCoreApplication::processEvents();
  EXPECT_EQ(Picture().size(), QSize(1050, 308));
  EXPECT_EQ(Picture().pixel(1000, 102), kCyan) << "0 dB is row 102 at this height";
  EXPECT_EQ(Marker(0)->pos(), QPoint(614, 95));
  EXPECT_EQ(Window().EQlabel()->text(), QStringLiteral("0.0dB\nQ:1.00\n1000.00Hz"))
      << "the selected band's label is placed after the full redraw";
  Window().resize(1136, 649);
  QCoreApplication::processEvents();
  EXPECT_EQ(Picture().size(), QSize(950, 208));
  EXPECT_EQ(Marker(0)->pos(), QPoint(555, 62));
}

// ----- Dragging and the tick -----------------------------------------------------------------

TEST_F(EqGraphTest, TickRunsOnTheTimerStartedAtStartUp) {
  EXPECT_FALSE(m_Timer.IsRunning());
  m_Graph.Start();
  EXPECT_TRUE(m_Timer.IsRunning());
  EXPECT_EQ(m_Timer.Interval(), std::chrono::milliseconds(10));
  DrawPage(0);
  Press(Marker(kMarkerEP1), {7, 7});
  Move(Marker(kMarkerEP1), {7, -20});
  Release(Marker(kMarkerEP1), {7, -20});
  m_Timer.Fire();
  ASSERT_FALSE(m_Binding.applied.empty());
  EXPECT_EQ(m_Binding.applied.back().control, QStringLiteral("MusGainEdit1"));
  EXPECT_FALSE(m_Binding.applied.back().displayOnly);
}

TEST_F(EqGraphTest, TheTimerNoLongerCallsAGraphThatIsGone) {
  FakeTickTimer timer;
  {
    EqGraph graph(Window(), m_Model, m_Binding, timer);
    graph.Start();
    EXPECT_TRUE(timer.HasTick());
  }
  EXPECT_FALSE(timer.IsRunning());
  EXPECT_FALSE(timer.HasTick());
}

TEST_F(EqGraphTest, BandDraggedToTheTopLeftCornerGetsTheLowestFrequencyAndTopGain) {
  m_Model.SetValue(0x0005, 204);  // band 1 at 1000 Hz, 0 dB: marker at (555, 62)
  DrawPage(0);
  EqMarker* ep1 = Marker(kMarkerEP1);
  Press(ep1, {7, 7});
  EXPECT_EQ(ep1->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(m_Binding.clickedLabels, std::vector<QString>{QStringLiteral("MusEQPointLabel1")});

  Move(ep1, {7 - 30, 7});  // first a little to the left, on the 0 dB row
  m_Graph.Timer1Timer();
  // The drag starts from the stored steps: only the frequency changed, so it is sent alone.
  const std::vector<AppliedValue> first = {{"MusFreEdit1", 0, false, 191}};
  EXPECT_EQ(m_Binding.applied, first);

  m_Binding.applied.clear();
  Move(ep1, {7 - 800, 7 - 300});
  EXPECT_EQ(ep1->pos(), QPoint(71, -7)) << "held at 19 Hz and at the surface's top row";
  m_Graph.Timer1Timer();
  const std::vector<AppliedValue> expected = {
      {"MusFreEdit1", 0, true, 0},      // shown and stored only
      {"MusGainEdit1", 0, false, 180},  // the band frame carries the new frequency too
  };
  EXPECT_EQ(m_Binding.applied, expected);
  EXPECT_EQ(ep1->pos(), QPoint(76, -7)) << "redrawn at the stored 19.7 Hz, +12 dB";
  EXPECT_EQ(Window().EQlabel()->text().section('\n', 0, 0), QStringLiteral("12.0dB"));

  Release(ep1, {7, 7});
  EXPECT_FALSE(ep1->testAttribute(Qt::WA_SetCursor)) << "the default cursor is back";
  m_Binding.applied.clear();
  m_Graph.Timer1Timer();
  EXPECT_TRUE(m_Binding.applied.empty()) << "nothing new to apply";
}

TEST_F(EqGraphTest, SeveralMovesBetweenTicksGiveOneApplicationOfTheLastPosition) {
  DrawPage(0);
  EqMarker* ep3 = Marker(2);
  Press(ep3, {7, 7});
  Move(ep3, {7 + 40, 7 + 10});
  Move(ep3, {7 + 40, 7 + 10});
  Move(ep3, {7, 7 + 35});
  Release(ep3, {7, 7 + 35});  // released before the tick: the last position still applies
  m_Graph.Timer1Timer();
  ASSERT_EQ(m_Binding.applied.size(), 2u);
  int sent = 0;
  for (const AppliedValue& v : m_Binding.applied)
    sent += v.displayOnly ? 0 : 1;
  EXPECT_EQ(sent, 1);
  EXPECT_EQ(m_Binding.applied[1].control, QStringLiteral("MusGainEdit3"));
  // The marker moved down by 10 + 10 + 35 from 62: its centre on row 124, -9.57 dB, step 72.
  EXPECT_EQ(m_Binding.applied[1].x, 72);
  EXPECT_EQ(m_Model.Value(0x0010), 72);
}

TEST_F(EqGraphTest, PressAndReleaseWithoutMovingAppliesNothing) {
  m_Model.SetValue(0x0005, 204);
  DrawPage(0);
  Press(Marker(0), {7, 7});
  Move(Marker(0), {7, 27});
  m_Graph.Timer1Timer();
  Release(Marker(0), {7, 27});
  m_Binding.applied.clear();
  m_Binding.clickedLabels.clear();

  Press(Marker(3), {7, 7});
  Release(Marker(3), {7, 7});
  m_Graph.Timer1Timer();
  EXPECT_TRUE(m_Binding.applied.empty());
  EXPECT_EQ(m_Binding.clickedLabels, std::vector<QString>{QStringLiteral("MusEQPointLabel4")});
}

TEST_F(EqGraphTest, PressesBeforeStartUpHasCompletedDoNothing) {
  Window().SetStartupComplete(false);
  DrawPage(0);
  const QPoint at = Marker(0)->pos();
  Press(Marker(0), {7, 7});
  Move(Marker(0), {57, 57});
  Release(Marker(0), {57, 57});
  m_Graph.Timer1Timer();
  EXPECT_EQ(Marker(0)->pos(), at);
  EXPECT_TRUE(m_Binding.clickedLabels.empty());
  EXPECT_TRUE(m_Binding.applied.empty());
}

TEST_F(EqGraphTest, FilterMarkersStopAtTheirPagesLimits) {
  struct Case {
    const char* what;
    int page;
    int marker;
    int dx;
    int left;
    AppliedValue applied;
  };
  const Case cases[] = {
      {"microphone high-pass stops at 309 Hz",
       1,
       kMarkerHPF,
       700,
       407,
       {"MicHPFrePane", 0, false, 143}},
      {"echo low-pass at the far right is off",
       2,
       kMarkerLPF,
       300,
       938,
       {"EchoLPFrePane", 0, false, 194}},
      {"echo low-pass left of 500 Hz goes back to 500 Hz",
       2,
       kMarkerLPF,
       -700,
       465,
       {"EchoLPFrePane", 0, false, 0}},
  };
  m_Model.SetValue(0x0305, 100);  // the echo low-pass on, so that switching it off is a change
  for (const Case& c : cases) {
    m_Binding.applied.clear();
    DrawPage(c.page);
    EqMarker* marker = Marker(c.marker);
    const int top = marker->y();
    Press(marker, {12, 12});
    Move(marker, {12 + c.dx, 12 - 40});
    EXPECT_EQ(marker->pos(), QPoint(c.left, top)) << c.what << ": never moves vertically";
    m_Graph.Timer1Timer();
    Release(marker, {12, 12});
    ASSERT_EQ(m_Binding.applied.size(), 1u) << c.what;
    EXPECT_EQ(m_Binding.applied[0], c.applied) << c.what;
  }
}

TEST_F(EqGraphTest, TickRedrawsTheElementOfAnyNewEqChangeOnce) {
  DrawPage(0);
  // A band editor changed band 3's gain to +12 dB (step 180) and recorded it.
  m_Model.SetValue(0x0010, 180);
  m_Binding.lastAddress = 0x0010;
  m_Binding.lastValue = 180;
  const int left = Marker(2)->x();
  m_Graph.Timer1Timer();
  EXPECT_EQ(Marker(2)->pos(), QPoint(left, -7));
  EXPECT_EQ(Window().EQlabel()->text().section('\n', 0, 0), QStringLiteral("12.0dB"));

  Window().Image1()->Picture().fill(Qt::red);
  m_Graph.Timer1Timer();
  EXPECT_EQ(Picture().pixel(300, 69), qRgb(255, 0, 0)) << "the same change is not drawn twice";

  m_Binding.lastAddress = 0x0400;  // the reverb has no curve
  m_Binding.lastValue = 3;
  m_Graph.Timer1Timer();
  EXPECT_EQ(Picture().pixel(300, 69), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace fenwave
