// Paints the EQ graph's frame (background and grid lines) into a pixel surface. A function of
// the surface and the frame data, so an image can be checked without any window.
#pragma once

#include <QColor>
#include <QImage>
#include <span>

#include "eq/GraphFrame.h"

namespace fenwave {

// Fills (0, 0, width, height) of `surface` with `background` and draws every line of `lines`
// one pixel wide, without antialiasing, in its colour and in order (later lines cover earlier
// ones where they cross). Parts of lines outside the surface are clipped.
void PaintFrame(QImage& surface, std::span<const FrameLine> lines, const QColor& background);

// The frame of a surface of the surface's own size: FrameLines over `background`.
void PaintFrame(QImage& surface, const QColor& background);

[[nodiscard]] inline QColor ToQColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

}  // namespace fenwave
