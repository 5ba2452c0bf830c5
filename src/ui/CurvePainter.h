// Paints the EQ graph's response curve over the frame: one smooth anti-aliased line through the
// 513 curve points. A function of the surface and the points, so a picture can be checked
// without any window.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <array>

#include "eq/CurveModel.h"

namespace fenwave {

inline constexpr double kCurvePenWidth = 1.8;
inline constexpr double kCurveTension = 0.5;

// The cardinal spline (tension 0.5) through the points as cubic Bézier segments: each segment
// leaves a point along the direction from its predecessor to its successor; the end points
// count as their own outer neighbours. The path passes through every point exactly.
[[nodiscard]] QPainterPath CurvePath(const std::array<CurvePoint, kGridPoints>& points);

// Strokes CurvePath with a 1.8 pixel anti-aliased pen of `colour` onto `surface`. Integer
// points are pixel centres, so a level curve at row y covers row y fully and its neighbours
// partly. Whatever lies outside the surface is clipped, never pulled onto it.
void PaintCurve(QImage& surface, const std::array<CurvePoint, kGridPoints>& points,
                const QColor& colour);

}  // namespace fenwave
