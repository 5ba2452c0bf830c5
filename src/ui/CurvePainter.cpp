#include "ui/CurvePainter.h"

#include <QPainter>
#include <QPen>
#include <cstddef>

namespace fenwave {

QPainterPath CurvePath(const std::array<CurvePoint, kGridPoints>& points) {
  // Control point offset of a cardinal spline: tension / 3 of the chord across the neighbours.
  constexpr double k = kCurveTension / 3.0;
  constexpr std::size_t last = kGridPoints - 1;
  auto at = [&](std::size_t i) { return QPointF(points[i].x, points[i].y); };

  QPainterPath path(at(0));
  path.reserve(static_cast<int>(kGridPoints));
  for (std::size_t i = 0; i < last; ++i) {
    const QPointF before = at(i == 0 ? 0 : i - 1);
    const QPointF from = at(i);
    const QPointF to = at(i + 1);
    const QPointF after = at(i + 1 == last ? last : i + 2);
    path.cubicTo(from + (to - before) * k, to - (after - from) * k, to);
  }
  return path;
}

void PaintCurve(QImage& surface, const std::array<CurvePoint, kGridPoints>& points,
                const QColor& colour) {
  if (surface.isNull()) return;
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Pixel (x, y) spans x..x+1 for the painter; half a pixel puts the integer points on the
  // pixel centres, where the frame's one-pixel lines lie too.
  painter.translate(0.5, 0.5);
  QPen pen(colour, kCurvePenWidth);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(CurvePath(points));
}

}  // namespace fenwave
