#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QString>
#include <functional>

namespace art {

// The calm palette every picture shares.
namespace palette {
inline const QColor deepTeal{0x0f, 0x5c, 0x6e};
inline const QColor teal{0x1f, 0x84, 0x96};
inline const QColor softTeal{0x6f, 0xb8, 0xc4};
inline const QColor calmBlue{0x3a, 0x86, 0xc0};
inline const QColor mist{0xe8, 0xf3, 0xf7};
inline const QColor paleSky{0xf4, 0xfa, 0xfc};
inline const QColor line{0xcf, 0xe3, 0xec};
inline const QColor coral{0xe0, 0x52, 0x5c};
inline const QColor amber{0xe9, 0xa2, 0x3b};
inline const QColor leaf{0x3f, 0xa6, 0x6b};
inline const QColor slate{0x7d, 0x8a, 0x96};
inline const QColor ink{0x24, 0x3b, 0x45};
}  // namespace palette

QColor withAlpha(QColor colour, int alpha);

// Fonts sized in design pixels: DejaVu Sans for Latin titles, WenQuanYi Micro Hei for Chinese.
QFont latinFont(qreal pixelSize, bool bold);
QFont cjkFont(qreal pixelSize, bool bold);

// Paints a picture of `pixels` size in design coordinates of `design` size. Most pictures are
// stretched by the window to a size of their own; painting in that displayed size keeps
// circles round and text upright once stretched.
QImage paintPicture(QSize pixels, QSizeF design, bool withAlphaChannel,
                    const std::function<void(QPainter&)>& paint);

QPainterPath roundedRect(const QRectF& rect, qreal radius);

// A soft shadow under a shape, built from a few widening translucent outlines.
void softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, qreal spread,
                QColor colour);

// Text drawn with a fixed letter spacing in design pixels.
void drawSpacedText(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
                    qreal spacing);

// A plus-shaped medical cross centred on `centre`.
QPainterPath crossPath(QPointF centre, qreal size, qreal thickness, qreal radius);

}  // namespace art
