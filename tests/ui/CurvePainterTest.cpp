// The response curve as painted into a surface: the spline's shape through the points, the pen
// on the pixels around a level curve, and clipping at the surface's edges.
#include <gtest/gtest.h>

#include <QImage>

#include "ui/CurvePainter.h"

namespace fenwave {
namespace {

const QRgb kBackground = qRgb(4, 6, 6);
const QRgb kCyan = qRgb(0, 204, 255);

// 513 points spread evenly over `width` pixels, with y values from `yOf`.
template <class F> std::array<CurvePoint, kGridPoints> Points(F yOf, int width = 1024) {
  std::array<CurvePoint, kGridPoints> points{};
  for (int i = 0; i < kGridPoints; ++i)
    points[static_cast<std::size_t>(i)] = {i * width / kGridSize, yOf(i)};
  return points;
}

QImage Blank(int width = 1026, int height = 208) {
  QImage surface(width, height, QImage::Format_RGB32);
  surface.fill(kBackground);
  return surface;
}

TEST(CurvePathTest, PassesThroughEveryPointWithCardinalTangents) {
  // A zigzag: 0, 6, 0, 6, ... so the tangents are not along the chords.
  const auto points = Points([](int i) { return i % 2 == 0 ? 0 : 6; });
  const QPainterPath path = CurvePath(points);
  ASSERT_EQ(path.elementCount(), 1 + 3 * 512);
  for (int i = 0; i < kGridPoints; ++i) {
    const QPainterPath::Element e = path.elementAt(i == 0 ? 0 : 3 * i);
    EXPECT_EQ(QPointF(e), QPointF(2 * i, i % 2 == 0 ? 0 : 6)) << "point " << i;
  }
  struct ControlCase {
    int element;
    QPointF at;
    const char* what;
  };
  // Tension 0.5: a control point lies a sixth of the neighbours' chord from its end point.
  const ControlCase cases[] = {
      {1, {2.0 / 6, 1.0}, "first segment leaves (0,0) towards (2,6): the end is its own neighbour"},
      {2, {2 - 4.0 / 6, 6}, "first segment enters (2,6) along (0,0)->(4,0)"},
      {4, {2 + 4.0 / 6, 6}, "second segment leaves (2,6) along (0,0)->(4,0)"},
      {5, {4 - 4.0 / 6, 0}, "second segment enters (4,0) along (2,6)->(6,6)"},
      {3 * 512 - 1, {1024 - 2.0 / 6, 1.0}, "last segment enters (1024,0) from (1022,6)"},
  };
  for (const ControlCase& c : cases) {
    const QPointF e = path.elementAt(c.element);
    EXPECT_NEAR(e.x(), c.at.x(), 1e-9) << c.what;
    EXPECT_NEAR(e.y(), c.at.y(), 1e-9) << c.what;
  }
}

TEST(PaintCurveTest, LevelCurveCoversItsRowAndShadesOnlyTheNeighbours) {
  QImage surface = Blank(950, 208);
  PaintCurve(surface, Points([](int) { return 69; }, 950), QColor(kCyan));
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) {
      const QRgb pixel = surface.pixel(x, y);
      if (y == 69) {
        ASSERT_EQ(pixel, kCyan) << "curve row at x " << x;
      } else if (y == 68 || y == 70) {
        // Anti-aliased: partly covered, so neither the curve colour nor the background.
        ASSERT_NE(pixel, kCyan) << x << "," << y;
        ASSERT_NE(pixel, kBackground) << x << "," << y;
      } else {
        ASSERT_EQ(pixel, kBackground) << "stray pixel at " << x << "," << y;
      }
    }
  }
}

TEST(PaintCurveTest, PointsOutsideTheSurfaceAreClippedNotPulledIn) {
  struct Case {
    int y;
    const char* what;
  };
  const Case cases[] = {{-40, "above the top"}, {260, "below the bottom"}};
  for (const Case& c : cases) {
    QImage surface = Blank();
    PaintCurve(surface, Points([&](int) { return c.y; }), QColor(kCyan));
    EXPECT_EQ(surface, Blank()) << c.what;
  }
  // A curve leaving through the top edge is drawn up to the edge and no further.
  QImage surface = Blank();
  PaintCurve(surface, Points([](int i) { return i < 256 ? 100 : -100; }), QColor(kCyan));
  EXPECT_EQ(surface.pixel(100, 100), kCyan);
  EXPECT_EQ(surface.pixel(800, 0), kBackground) << "nothing clamped onto the top row";
  EXPECT_EQ(surface.pixel(800, 100), kBackground);
}

TEST(PaintCurveTest, DrawsInTheGivenColourOverWhatIsThere) {
  QImage surface = Blank();
  surface.fill(qRgb(0, 102, 51));
  PaintCurve(surface, Points([](int) { return 20; }), QColor(255, 102, 0));
  EXPECT_EQ(surface.pixel(500, 20), qRgb(255, 102, 0));
  EXPECT_EQ(surface.pixel(500, 40), qRgb(0, 102, 51));
}

TEST(PaintCurveTest, ANullSurfaceIsLeftAlone) {
  QImage none;
  PaintCurve(none, Points([](int) { return 0; }), QColor(kCyan));
  EXPECT_TRUE(none.isNull());
}

}  // namespace
}  // namespace fenwave
