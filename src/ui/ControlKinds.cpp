#include "ui/ControlKinds.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Theme.h"

namespace fenwave {

SpinButtons::SpinButtons(QWidget* parent, Qt::Orientation orientation)
    : QWidget(parent), m_UpRight(new QToolButton(this)), m_DownLeft(new QToolButton(this)) {
  const bool vertical = orientation == Qt::Vertical;
  m_UpRight->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
  m_DownLeft->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
  for (QToolButton* half : {m_UpRight, m_DownLeft}) {
    half->setFocusPolicy(Qt::NoFocus);
    half->setAutoRepeat(true);
    half->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    half->setMinimumSize(1, 1);
  }
  auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_UpRight);
  layout->addWidget(m_DownLeft);
  connect(m_UpRight, &QToolButton::clicked, this, &SpinButtons::UpRightClicked);
  connect(m_DownLeft, &QToolButton::clicked, this, &SpinButtons::DownLeftClicked);
}

// The look comes from the window's style sheet (fenwave--ValuePane).
ValuePane::ValuePane(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
}

ColorGroupBox::ColorGroupBox(QWidget* parent) : QFrame(parent) {
  SetColor(theme::kBandNormal);
}

void ColorGroupBox::SetColor(const QColor& color) {
  m_Color = color;
  update();
}

void ColorGroupBox::paintEvent(QPaintEvent*) {
  // Drawn by hand rather than by a style sheet: the band highlight changes often and a
  // per-widget style sheet would re-polish the box and its children every time.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(m_Color, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

EqEdit::EqEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignCenter);
}

void EqEdit::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  emit Clicked();
}

void EqEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
  case Qt::Key_Left:
  case Qt::Key_Right:
  case Qt::Key_Up:
  case Qt::Key_Down:
    emit KeyDown(event->key());
    return;
  default:
    break;
  }
  const QString text = event->text();
  if (!text.isEmpty()) {
    bool accept = true;
    emit KeyPressed(text.front(), accept);
    if (!accept) return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QLineEdit::keyPressEvent(event);
}

void EqEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  emit Exited();
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
}

void ClickLabel::SetMarked(bool marked) {
  if (m_Marked == marked) return;
  m_Marked = marked;
  update();
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  if (!m_Marked) {
    QLabel::paintEvent(event);
    return;
  }
  // Marked: opaque accent background with dark bold text, told apart from the transparent
  // labels at a glance. Drawn here so that no style sheet colour can override it.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kAccent);
  painter.drawRoundedRect(QRectF(rect()).adjusted(1, 0, -1, 0), 3, 3);
  QFont bold = font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.setPen(QColor(11, 16, 20));
  painter.drawText(rect(), static_cast<int>(alignment()), text());
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  event->accept();
  emit Clicked();
}

Panel::Panel(QWidget* parent, QColor fill, QColor border, int radius)
    : QWidget(parent), m_Fill(fill), m_Border(border), m_Radius(radius) {}

void Panel::SetFill(const QColor& fill) {
  m_Fill = fill;
  update();
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!m_Border.isValid() && m_Radius <= 0) {
    painter.fillRect(rect(), m_Fill);  // thin lines and plain areas: exact pixels
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(m_Border.isValid() ? QPen(m_Border, 1) : QPen(Qt::NoPen));
  painter.setBrush(m_Fill);
  const QRectF box =
      m_Border.isValid() ? QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(rect());
  if (m_Radius > 0)
    painter.drawRoundedRect(box, m_Radius, m_Radius);
  else
    painter.drawRect(box);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace fenwave
