#include "ui/GraphWidgets.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Theme.h"

namespace fenwave {

GraphSurface::GraphSurface(QWidget* parent) : QWidget(parent) {
  // The picture covers the whole widget; nothing below it needs painting.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphSurface::SetPicture(QImage picture) {
  m_Picture = std::move(picture);
  update();
}

void GraphSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_Picture.size() != size()) painter.fillRect(rect(), theme::kGraphInner);
  painter.drawImage(0, 0, m_Picture);
}

EqMarker::EqMarker(QWidget* parent, Shape shape, int number)
    : QWidget(parent), m_Shape(shape), m_Number(number) {}

void EqMarker::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  if (m_Shape == Shape::kBand) {
    // A filled ring with the band number: readable on the dark grid and the cyan curve.
    painter.setPen(QPen(QColor(255, 255, 255), 1.2));
    painter.setBrush(QColor(24, 110, 150, 230));
    painter.drawEllipse(box);
    painter.setPen(QColor(255, 255, 255));
    QFont f = font();
    f.setPixelSize(m_Number >= 10 ? 7 : 9);
    f.setBold(true);
    painter.setFont(f);
    painter.drawText(rect(), Qt::AlignCenter, QString::number(m_Number));
    return;
  }
  // Filter points: a rounded square, amber for high-pass and violet for low-pass.
  const QColor fill =
      m_Shape == Shape::kHighPass ? QColor(190, 120, 20, 235) : QColor(120, 80, 190, 235);
  painter.setPen(QPen(QColor(255, 255, 255), 1.2));
  painter.setBrush(fill);
  painter.drawRoundedRect(box, 5, 5);
  QFont f = font();
  f.setPixelSize(10);
  f.setBold(true);
  painter.setFont(f);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(rect(), Qt::AlignCenter,
                   m_Shape == Shape::kHighPass ? QStringLiteral("HP") : QStringLiteral("LP"));
}

void EqMarker::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit MouseDown(this, event->button(), event->position().toPoint());
}

void EqMarker::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit MouseMoved(this, event->position().toPoint());
}

void EqMarker::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit MouseUp(this, event->button(), event->position().toPoint());
}

TitleBar::TitleBar(QWidget* parent) : QWidget(parent) {}

void TitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, theme::kTitleTop);
  gradient.setColorAt(1, theme::kTitleBottom);
  painter.fillRect(rect(), gradient);
  painter.fillRect(QRect(0, height() - 2, width(), 2), theme::kAccent.darker(160));
}

}  // namespace fenwave
