#include "ui/BitmapButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/Theme.h"

namespace fenwave {
namespace {

std::size_t IndexOf(Picture which) {
  return static_cast<std::size_t>(which);
}

struct PictureStyle {
  QColor top;
  QColor bottom;
  QColor border;
  qreal borderWidth;
};

// Released pictures are dark slate, pressed ones the accent colour, so an "on" button is seen
// at a glance; stay-down is a muted accent and hot a lighter slate for hovering.
const std::array<PictureStyle, 5>& Styles() {
  static const std::array<PictureStyle, 5> styles = {{
      {QColor(52, 62, 76), QColor(36, 43, 53), QColor(72, 84, 100), 1.0},       // up
      {QColor(22, 150, 190), QColor(10, 98, 130), QColor(110, 220, 255), 1.6},  // down
      {QColor(30, 34, 40), QColor(26, 29, 34), QColor(50, 56, 64), 1.0},        // disabled
      {QColor(26, 78, 96), QColor(18, 56, 70), QColor(40, 120, 146), 1.2},      // stay-down
      {QColor(68, 80, 97), QColor(48, 57, 70), QColor(96, 112, 132), 1.0},      // hot
  }};
  return styles;
}

}  // namespace

std::array<QPixmap, 5> DrawButtonPictures(QSize size) {
  std::array<QPixmap, 5> pictures;
  const QSize s = size.isValid() && !size.isEmpty() ? size : QSize(60, 24);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const PictureStyle& style = Styles()[i];
    QPixmap pixmap(s);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF rect = QRectF(pixmap.rect()).adjusted(0.8, 0.8, -0.8, -0.8);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, style.top);
    gradient.setColorAt(1, style.bottom);
    QPainterPath path;
    path.addRoundedRect(rect, 4, 4);
    painter.fillPath(path, gradient);
    painter.setPen(QPen(style.border, style.borderWidth));
    painter.drawPath(path);
    pictures[i] = pixmap;
  }
  return pictures;
}

std::array<QPixmap, 5> DrawGlyphPictures(QSize size, Glyph glyph) {
  std::array<QPixmap, 5> pictures = DrawButtonPictures(size);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    QPainter painter(&pictures[i]);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dim = static_cast<Picture>(i) == Picture::Disabled;
    const QColor ink = dim ? theme::kTextDisabled : theme::kText;
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF r(pictures[i].rect());
    const QPointF c = r.center();
    const qreal e = std::min(r.width(), r.height()) * 0.22;  // half the symbol's extent
    switch (glyph) {
    case Glyph::kMinimise:
      painter.drawLine(QPointF(c.x() - e, c.y() + e * 0.6), QPointF(c.x() + e, c.y() + e * 0.6));
      break;
    case Glyph::kMaximise:
      painter.drawRect(QRectF(c.x() - e, c.y() - e * 0.8, 2 * e, 1.6 * e));
      break;
    case Glyph::kClose:
      painter.drawLine(QPointF(c.x() - e, c.y() - e), QPointF(c.x() + e, c.y() + e));
      painter.drawLine(QPointF(c.x() - e, c.y() + e), QPointF(c.x() + e, c.y() - e));
      break;
    case Glyph::kDropDown: {
      painter.setPen(Qt::NoPen);
      painter.setBrush(ink);
      const qreal w = std::max<qreal>(3, r.width() * 0.28);
      const QPointF points[3] = {
          {c.x() - w, c.y() - w * 0.5}, {c.x() + w, c.y() - w * 0.5}, {c.x(), c.y() + w * 0.6}};
      painter.drawPolygon(points, 3);
      break;
    }
    }
  }
  return pictures;
}

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  DrawOwnPictures();
}

const QPixmap& BitmapButton::picture(Picture which) const {
  return m_Pictures[IndexOf(which)];
}

void BitmapButton::SetPicture(Picture which, const QPixmap& pixmap) {
  m_Pictures[IndexOf(which)] = pixmap;
  m_OwnPictures = false;
  update();
}

void BitmapButton::SetPictures(const std::array<QPixmap, 5>& pictures) {
  m_Pictures = pictures;
  m_OwnPictures = false;
  update();
}

void BitmapButton::DrawOwnPictures() {
  m_Pictures = DrawButtonPictures(size());
  m_OwnPictures = true;
  update();
}

QSize BitmapButton::sizeHint() const {
  const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
  return {std::max(48, text.width() + 18), std::max(24, text.height() + 10)};
}

void BitmapButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Pictures shared from a template of another size are scaled to this button.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  Picture which = Picture::Up;
  if (!isEnabled())
    which = Picture::Disabled;
  else if (isDown())
    which = Picture::Down;
  painter.drawPixmap(rect(), picture(which));
  // Hovering lightens whatever the button shows, so the binding's choice of picture stays
  // readable under the mouse.
  if (m_Hovered && isEnabled()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  }
  painter.setPen(isEnabled() ? theme::kText : theme::kTextDisabled);
  painter.drawText(rect(), Qt::AlignCenter, text());
}

void BitmapButton::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  // Pictures drawn by the button itself follow its size; pictures set by the binding are
  // scaled when painted.
  if (m_OwnPictures) DrawOwnPictures();
}

void BitmapButton::enterEvent(QEnterEvent* event) {
  m_Hovered = true;
  update();
  QAbstractButton::enterEvent(event);
}

void BitmapButton::leaveEvent(QEvent* event) {
  m_Hovered = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace fenwave
