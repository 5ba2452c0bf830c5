// The borderless window's own behaviour: dragging by the background, maximise and restore,
// regions following a size change, the graph surface redrawn at its new size, close and the
// first showing, and the markers reporting the mouse.
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "WindowFixture.h"
#include "ui/BitmapButton.h"
#include "ui/GraphWidgets.h"

namespace fenwave {
namespace {

const QRgb kMajor = qRgb(0, 102, 51);

class WindowFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_Window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_Window));
  }
  template <class T = QWidget> T* Find(const char* name) {
    return m_Window.findChild<T*>(QString::fromLatin1(name));
  }
  TForm1 m_Window;
};

TEST_F(WindowFrameTest, DraggingTheBackgroundMovesTheWindowButNotFromControls) {
  struct DragCase {
    const char* name;
    bool moves;
  };
  const DragCase cases[] = {
      {"Label77", true},              // the title text
      {"Image2", true},               // the title bar picture
      {"FormTabBtn3", false},         // a page button
      {"SysMusNormalVolBar", false},  // a slider
      {"RzBmpButton1", false},        // a window button
      {"AdvPanel1", false},           // a region takes its own presses
  };
  for (const DragCase& c : cases) {
    QWidget* w = Find(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    const QPoint start = m_Window.pos();
    const QPoint grab(w->width() / 2, w->height() / 2);
    QTest::mousePress(w, Qt::LeftButton, {}, grab);
    QTest::mouseMove(w, grab + QPoint(37, 21));
    QTest::mouseRelease(w, Qt::LeftButton, {}, grab + QPoint(37, 21));
    if (c.moves)
      EXPECT_EQ(m_Window.pos(), start + QPoint(37, 21)) << c.name;
    else
      EXPECT_EQ(m_Window.pos(), start) << c.name;
    m_Window.move(start);
  }
}

TEST_F(WindowFrameTest, MaximiseFillsTheFreeScreenAreaAndRestoreReturnsTheOldGeometry) {
  const QRect before = m_Window.geometry();
  QTest::mouseClick(Find("RzBmpButton1"), Qt::LeftButton);
  EXPECT_TRUE(m_Window.Maximised());
  EXPECT_EQ(m_Window.geometry(), m_Window.screen()->availableGeometry());
  QTest::mouseClick(Find("RzBmpButton1"), Qt::LeftButton);
  EXPECT_FALSE(m_Window.Maximised());
  EXPECT_EQ(m_Window.geometry(), before);
}

TEST_F(WindowFrameTest, RegionsFollowTheWindowSize) {
  int redraws = 0;
  MainWindowHooks hooks;
  hooks.redrawCurve = [&redraws](int) { ++redraws; };
  m_Window.SetHooks(std::move(hooks));

  m_Window.resize(1336, 749);  // 200 wider, 100 higher than designed
  QCoreApplication::processEvents();

  EXPECT_EQ(Find("Image2")->geometry(), QRect(0, 0, 1336, 44));
  EXPECT_EQ(Find("RzBmpButton3")->geometry().right(), 1336 - 8 - 1);  // keeps its margin
  EXPECT_EQ(Find("RzGroupBox1")->geometry(), QRect(0, 44, 120, 705));
  EXPECT_EQ(Find("RzGroupBox2")->geometry(), QRect(122, 44, 1214, 705));
  EXPECT_EQ(Find("FormPageItem")->geometry(), QRect(0, 0, 1014, 705));  // height only
  EXPECT_EQ(Find("AdvPanel1")->geometry(), QRect(2, 348, 1205, 346));
  EXPECT_EQ(Find("AdvPanel2")->size(), QSize(1150, 308));
  EXPECT_EQ(Find("EQCotrolGrop")->geometry().topLeft(), QPoint(301, 6));

  // The surface is recreated at the inner panel's size and its frame drawn for that size.
  GraphSurface* surface = m_Window.Image1();
  EXPECT_EQ(surface->size(), QSize(1150, 308));
  EXPECT_EQ(surface->Picture().size(), QSize(1150, 308));
  const int zeroDb = 102;  // (12 − 0) / 36 × 307 = 102.33
  EXPECT_EQ(surface->Picture().pixel(300, zeroDb), kMajor);
  const int kiloHertz = 680;  // 0.59172 × 1150 = 680.5 → 680
  EXPECT_EQ(surface->Picture().pixel(kiloHertz, 150), kMajor);
  // The axis labels moved with it: "0dB" centred on the 0 dB line, "1KHz" under its line.
  EXPECT_EQ(Find("EQLabelY4")->geometry(), QRect(6, zeroDb + 13 - 6, 32, 13));
  EXPECT_EQ(Find("EQLabelX16")->geometry(), QRect(kiloHertz + 40 - 18, 13 + 308, 36, 13));
  EXPECT_EQ(redraws, 1);
}

TEST_F(WindowFrameTest, CloseButtonRunsTheClosingHookAndClosesTheWindow) {
  int closing = 0;
  MainWindowHooks hooks;
  hooks.closing = [&closing] { ++closing; };
  m_Window.SetHooks(std::move(hooks));
  QTest::mouseClick(Find("RzBmpButton3"), Qt::LeftButton);
  EXPECT_EQ(closing, 1);
  EXPECT_FALSE(m_Window.isVisible());
}

TEST(WindowStartTest, StartUpHookRunsOnTheFirstShowingOnly) {
  TForm1 window;
  int startUps = 0;
  MainWindowHooks hooks;
  hooks.startUp = [&startUps] { ++startUps; };
  window.SetHooks(std::move(hooks));
  EXPECT_EQ(startUps, 0);
  window.show();
  window.hide();
  window.show();
  EXPECT_EQ(startUps, 1);
}

TEST_F(WindowFrameTest, MarkersReportPressMoveAndReleaseInTheirOwnCoordinates) {
  EqMarker* marker = m_Window.EqMarkerTable()[16];  // LPF
  marker->move(100, 50);
  marker->show();
  QSignalSpy down(marker, &EqMarker::MouseDown);
  QSignalSpy moved(marker, &EqMarker::MouseMoved);
  QSignalSpy up(marker, &EqMarker::MouseUp);
  const QPoint start = m_Window.pos();

  QTest::mousePress(marker, Qt::LeftButton, {}, QPoint(5, 6));
  QTest::mouseMove(marker, QPoint(15, 2));
  QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(15, 2));

  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down.at(0).at(0).value<EqMarker*>(), marker);
  EXPECT_EQ(down.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
  EXPECT_EQ(down.at(0).at(2).toPoint(), QPoint(5, 6));
  ASSERT_GE(moved.count(), 1);
  EXPECT_EQ(moved.last().at(1).toPoint(), QPoint(15, 2));
  ASSERT_EQ(up.count(), 1);
  EXPECT_EQ(up.at(0).at(2).toPoint(), QPoint(15, 2));
  EXPECT_EQ(m_Window.pos(), start);  // a marker press never drags the window
}

}  // namespace
}  // namespace fenwave
