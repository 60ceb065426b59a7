#pragma once

#include <QByteArray>
#include <QImage>

namespace art {

// Each picture at the pixel size the window expects of it.
QImage figuresBanner();  // 1043x284 RGBA, behind the four summary figures
QImage titleBanner();    // 1166x241 RGB, the header's title banner
QImage headerPhoto();    // 640x307, beside the title banner
QImage sidePanel();      // 1000x800 RGBA, below the facts panel
QImage newsBanner();     // 967x54 RGB, over the news list header
QImage infoPicture();    // 1080x1080, in the appreciation window

// The 16x16 list marker in one of four colours (0 red, 1 orange, 2 green, 3 grey).
QImage listIcon(int which);

// The 16x16 program icon, and that icon as a 1,150-byte .ico file.
QImage appIconImage();
QByteArray icoFileOf(const QImage& icon16);

}  // namespace art
