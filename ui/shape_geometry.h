#pragma once

#include <QRect>
#include <QSize>

namespace om {

// The rectangle a ShapeBox shape occupies: the whole control, or for a square, circle or rounded
// square the largest square centred in it.
QRect ShapeBounds(int shape, QRect control);
// The corner ellipse of a rounded shape: one fifth of the width by one fifth of the height.
QSize CornerEllipse(QRect bounds);

}  // namespace om
