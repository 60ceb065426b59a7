#pragma once

#include <QRect>
#include <QSize>

namespace om {

// Where a picture of the given size is drawn inside a picture box's client area:
// mode 0 at the top left in its natural size; 1 stretched over the whole area; 2 centred, in
// its natural size when it fits, otherwise scaled down with its proportions kept to fit.
QRect PictureRect(QSize picture, QRect area, int displayMode);

}  // namespace om
