// The graph frame as painted into a surface (pixels on the grid lines and between them) and the
// axis labels the window places around the graph.
#include <QLabel>

#include "WindowFixture.h"
#include "ui/GraphPainter.h"
#include "ui/GraphWidgets.h"

namespace fenwave {
namespace {

const QRgb kMajor = qRgb(0, 102, 51);
const QRgb kMinor = qRgb(0, 18, 9);
const QRgb kBackground = qRgb(4, 6, 6);

QImage Frame(int width, int height) {
  QImage surface(width, height, QImage::Format_RGB32);
  surface.fill(Qt::red);  // anything the painter leaves out shows up
  PaintFrame(surface, QColor(kBackground));
  return surface;
}

struct PixelCase {
  int x;
  int y;
  QRgb colour;
  const char* what;
};

TEST(GraphFramePaintTest, GridLinesLieOnTheirPixelsAt950By208) {
  const QImage frame = Frame(950, 208);
  const PixelCase cases[] = {
      {300, 69, kMajor, "0 dB line"},
      {300, 34, kMajor, "+6 dB line (34.5 to the even neighbour)"},
      {300, 104, kMajor, "-6 dB line (103.5 to the even neighbour)"},
      {300, 0, kMajor, "top border"},
      {300, 207, kMajor, "bottom border (-24 dB)"},
      {300, 75, kMinor, "-1 dB line (74.75)"},
      {300, 35, kBackground, "between +6 and +5 dB"},
      {562, 100, kMajor, "1 kHz line"},
      {85, 100, kMajor, "20 Hz line"},
      {928, 100, kMajor, "20 kHz line (927.75)"},
      {0, 100, kMajor, "left border"},
      {562, 75, kMajor, "1 kHz line crossing a minor gain line"},
      {600, 100, kBackground, "between lines"},
      {949, 100, kBackground, "no line at the right edge"},
  };
  for (const PixelCase& c : cases)
    EXPECT_EQ(frame.pixel(c.x, c.y), c.colour) << c.what << " at " << c.x << "," << c.y;
}

TEST(GraphFramePaintTest, LinesAreOnePixelWideWithoutSmearing) {
  const QImage frame = Frame(950, 208);
  EXPECT_EQ(frame.pixel(300, 68), kBackground);
  EXPECT_EQ(frame.pixel(300, 70), kBackground);
  EXPECT_EQ(frame.pixel(561, 100), kBackground);
  EXPECT_EQ(frame.pixel(563, 100), kBackground);
}

TEST(GraphFramePaintTest, EveryLineIsStillDrawnOnATinySurface) {
  for (const QSize size : {QSize(40, 20), QSize(3, 2), QSize(1, 1)}) {
    const QImage frame = Frame(size.width(), size.height());
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x)
        EXPECT_NE(frame.pixel(x, y), qRgb(255, 0, 0)) << "unpainted pixel at " << x << "," << y;
    for (const FrameLine& line : FrameLines(SurfaceSize{size.width(), size.height()})) {
      const int x = std::min(line.x1, size.width() - 1);
      const int y = std::min(line.y1, size.height() - 1);
      const QRgb pixel = frame.pixel(x, y);
      EXPECT_TRUE(pixel == kMajor || pixel == kMinor)
          << size.width() << "x" << size.height() << " line start " << x << "," << y;
    }
  }
}

TEST(GraphFramePaintTest, ANullSurfaceIsLeftAlone) {
  QImage none;
  PaintFrame(none, QColor(kBackground));
  EXPECT_TRUE(none.isNull());
}

class GraphPanelTest : public SharedWindowTest {};

TEST_F(GraphPanelTest, PanelsAndSurfaceHaveTheirDesignPlace) {
  EXPECT_EQ(Find("AdvPanel1")->geometry().size(), QSize(1005, 246));
  EXPECT_EQ(Find("AdvPanel1")->mapTo(&Window(), QPoint(0, 0)), QPoint(124, 392));
  EXPECT_EQ(Find("AdvPanel2")->geometry(), QRect(40, 13, 950, 208));
  EXPECT_EQ(Window().Image1()->geometry(), QRect(0, 0, 950, 208));
  EXPECT_EQ(Window().Image1()->Picture().size(), QSize(950, 208));
  // The window drew the frame at creation.
  EXPECT_EQ(Window().Image1()->Picture().pixel(300, 69), kMajor);
  EXPECT_EQ(Window().Image1()->Picture().pixel(562, 100), kMajor);
}

struct LabelCase {
  const char* name;
  const char* text;
  QRect geometry;
};

TEST_F(GraphPanelTest, AxisLabelsStandBesideAndUnderTheirLines) {
  const LabelCase cases[] = {
      {"EQLabelY0", "-24dB", QRect(6, 207 + 13 - 6, 32, 13)},
      {"EQLabelY3", "-6dB", QRect(6, 104 + 13 - 6, 32, 13)},
      {"EQLabelY4", "0dB", QRect(6, 76, 32, 13)},
      {"EQLabelY5", "6dB", QRect(6, 34 + 13 - 6, 32, 13)},
      {"EQLabelY6", "12dB", QRect(6, 0 + 13 - 6, 32, 13)},
      {"EQLabelX11", "20Hz", QRect(85 + 40 - 18, 221, 36, 13)},
      {"EQLabelX16", "1KHz", QRect(562 + 40 - 18, 221, 36, 13)},
      {"EQLabelX20", "20KHz", QRect(928 + 40 - 18, 221, 36, 13)},
  };
  for (const LabelCase& c : cases) {
    auto* label = Find<QLabel>(c.name);
    ASSERT_NE(label, nullptr) << c.name;
    EXPECT_EQ(label->parentWidget(), Window().AdvPanel1()) << c.name;
    EXPECT_EQ(label->text(), QString::fromLatin1(c.text)) << c.name;
    EXPECT_EQ(label->geometry(), c.geometry) << c.name;
    EXPECT_TRUE(label->font().bold()) << c.name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255)) << c.name;
    EXPECT_TRUE(label->isVisible()) << c.name;
  }
  EXPECT_EQ(Find<QLabel>("EQLabelY4")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(Find<QLabel>("EQLabelX16")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(GraphPanelTest, RedrawingTheFrameKeepsOneSetOfLabels) {
  Window().DrawFrame(true);
  Window().DrawFrame(false);
  EXPECT_EQ(Window().AdvPanel1()->findChildren<QLabel*>(QStringLiteral("EQLabelX16")).size(), 1);
  EXPECT_EQ(Window().Image1()->Picture().pixel(300, 69), kMajor);
}

}  // namespace
}  // namespace fenwave
