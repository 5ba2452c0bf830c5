// The small control kinds of the pages besides the picture buttons: spin buttons with two
// halves, value panes, colourable group boxes, EQ edit boxes that report click, key and exit,
// clickable labels, and the rounded panels that hold them.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace fenwave {

// Two halves: up/right and down/left.
class SpinButtons : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButtons(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Vertical);
  [[nodiscard]] QToolButton* UpRight() const { return m_UpRight; }
  [[nodiscard]] QToolButton* DownLeft() const { return m_DownLeft; }

 signals:
  void UpRightClicked();
  void DownLeftClicked();

 private:
  QToolButton* m_UpRight;
  QToolButton* m_DownLeft;
};

// Read-only text beside a slider; its hint holds its display format.
class ValuePane : public QLabel {
  Q_OBJECT

 public:
  explicit ValuePane(QWidget* parent = nullptr);
};

// A frame whose border colour marks the band field being edited.
class ColorGroupBox : public QFrame {
  Q_OBJECT

 public:
  explicit ColorGroupBox(QWidget* parent = nullptr);
  [[nodiscard]] QColor Color() const { return m_Color; }
  void SetColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor m_Color;
};

// One-line numeric edit box reporting the events the EQ edit handlers need.
class EqEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit EqEdit(QWidget* parent = nullptr);

 signals:
  void Clicked();
  // A key whose text is kept only when the handler accepts it; `accept` starts true.
  void KeyPressed(QChar key, bool& accept);
  void KeyDown(int key);
  void Exited();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// A label that reports clicks; drawn opaque while marked.
class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(QWidget* parent = nullptr);
  void SetMarked(bool marked);
  [[nodiscard]] bool Marked() const { return m_Marked; }

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_Marked = false;
};

// A container with a filled, optionally rounded and bordered background. It takes the mouse
// presses that reach it, so that a press inside a region never drags the window.
class Panel : public QWidget {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent = nullptr, QColor fill = QColor(38, 43, 51),
                 QColor border = QColor(58, 66, 78), int radius = 6);
  [[nodiscard]] QColor Fill() const { return m_Fill; }
  void SetFill(const QColor& fill);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor m_Fill;
  QColor m_Border;  // invalid: no border
  int m_Radius;
};

}  // namespace fenwave
