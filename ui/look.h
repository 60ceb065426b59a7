#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>

#include "ui/colour_font.h"
#include "ui/window_ref.h"

class QFrame;
class QWidget;

namespace om {

// The system's face colour: the background of dialogs and buttons.
QColor FaceColour();
// The colour itself, or the fallback when it is the default.
QColor ToQColor(Colour colour, const QColor& fallback);
Colour FromQColor(const QColor& colour);

// The face used for simplified Chinese texts: an installed CJK family, else the default family.
QString ChineseFamily();
// Pixel height of the default GUI font.
inline constexpr int kDefaultFontHeight = 12;
QFont ToQFont(const Font& font);

// Paints a widget's background with the colour (the face colour for the default).
void SetBackground(QWidget* widget, Colour colour, QPalette::ColorRole role = QPalette::Window);
void SetTextColour(QWidget* widget, Colour colour, QPalette::ColorRole role = QPalette::WindowText);

// Gives a frame one of the shared border styles (0 to 5); returns its width in pixels.
int ApplyBorder(QFrame* frame, int borderStyle);

// Decodes PNG or JPEG file data; a null image when the data is empty or not a picture.
QImage DecodePicture(const ImageBytes& data);

// Qt alignment flags for the horizontal (0 left, 1 centre, 2 right) and vertical (0 top,
// 1 middle, 2 bottom) alignments.
Qt::Alignment ToQtAlign(int horizontal, int vertical);

}  // namespace om
