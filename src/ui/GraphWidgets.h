// Widgets of the EQ graph and the title bar: the pixel surface that shows a QImage, the
// draggable band and filter markers, and the title bar picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace fenwave {

// A drawing surface: shows its QImage at (0, 0), unscaled. The graph painter draws into the
// image; the widget only shows it.
class GraphSurface : public QWidget {
  Q_OBJECT

 public:
  explicit GraphSurface(QWidget* parent = nullptr);

  [[nodiscard]] QImage& Picture() { return m_Picture; }
  [[nodiscard]] const QImage& Picture() const { return m_Picture; }
  // Makes `picture` the surface's picture and repaints.
  void SetPicture(QImage picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_Picture;
};

// A marker on the graph: a band point (small, with its band number) or a filter point (larger,
// "HP" or "LP"). It reports the mouse in its own coordinates; what a drag does is decided by
// whoever listens.
class EqMarker : public QWidget {
  Q_OBJECT

 public:
  enum class Shape { kBand, kHighPass, kLowPass };
  EqMarker(QWidget* parent, Shape shape, int number);

  [[nodiscard]] Shape MarkerShape() const { return m_Shape; }

 signals:
  void MouseDown(fenwave::EqMarker* marker, Qt::MouseButton button, QPoint position);
  void MouseMoved(fenwave::EqMarker* marker, QPoint position);
  void MouseUp(fenwave::EqMarker* marker, Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Shape m_Shape;
  int m_Number;
};

// The title bar picture: a dark vertical gradient with a thin accent line at its foot. It
// passes mouse presses on to the window, which is dragged by them.
class TitleBar : public QWidget {
  Q_OBJECT

 public:
  explicit TitleBar(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace fenwave
