#include "ui/GraphPainter.h"

#include <QPainter>

namespace fenwave {

void PaintFrame(QImage& surface, std::span<const FrameLine> lines, const QColor& background) {
  if (surface.isNull()) return;
  QPainter painter(&surface);
  // The grid is one-pixel lines on whole pixels; antialiasing would smear them over two rows.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(0, 0, surface.width(), surface.height()), background);
  for (const FrameLine& line : lines) {
    QPen pen(ToQColor(line.colour));
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(line.x1, line.y1, line.x2, line.y2);
  }
}

void PaintFrame(QImage& surface, const QColor& background) {
  const auto lines = FrameLines(SurfaceSize{surface.width(), surface.height()});
  PaintFrame(surface, lines, background);
}

}  // namespace fenwave
