// A push button drawn from five pictures (up, down, disabled, stay-down, hot). The control
// binding changes a button's look by replacing its pictures at run time: the "up" picture is
// what the button shows while it is not pressed.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <array>

namespace fenwave {

enum class Picture { Up = 0, Down, Disabled, StayDown, Hot };

class BitmapButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit BitmapButton(QWidget* parent = nullptr);

  [[nodiscard]] const QPixmap& picture(Picture which) const;
  void SetPicture(Picture which, const QPixmap& pixmap);
  // Replaces all five pictures at once (they are then kept at any size).
  void SetPictures(const std::array<QPixmap, 5>& pictures);
  // Gives the button its own five pictures, drawn for its current size.
  void DrawOwnPictures();

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::array<QPixmap, 5> m_Pictures;
  bool m_Hovered = false;
  bool m_OwnPictures = true;
};

// The five pictures of a button of the given size, drawn by the program.
[[nodiscard]] std::array<QPixmap, 5> DrawButtonPictures(QSize size);

// A symbol drawn on top of the five pictures: the window buttons and the small picture
// buttons that sit over a drop-down list's arrow.
enum class Glyph { kMinimise, kMaximise, kClose, kDropDown };
[[nodiscard]] std::array<QPixmap, 5> DrawGlyphPictures(QSize size, Glyph glyph);

}  // namespace fenwave
