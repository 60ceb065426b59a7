// The 16x16 program icon (with its .ico file) and the four list markers.
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtEndian>

#include "artwork.h"
#include "style.h"

namespace art {

namespace {

void appendLe16(QByteArray& out, quint16 value) {
  const quint16 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), 2);
}

void appendLe32(QByteArray& out, quint32 value) {
  const quint32 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), 4);
}

}  // namespace

QImage appIconImage() {
  return paintPicture(QSize(16, 16), QSizeF(16, 16), true, [](QPainter& p) {
    QPainterPath shield;
    shield.moveTo(2.5, 1);
    shield.lineTo(13.5, 1);
    shield.quadTo(14.5, 1, 14.5, 2);
    shield.lineTo(14.5, 8);
    shield.cubicTo(14.5, 11.5, 11, 14, 8, 15.5);
    shield.cubicTo(5, 14, 1.5, 11.5, 1.5, 8);
    shield.lineTo(1.5, 2);
    shield.quadTo(1.5, 1, 2.5, 1);
    QLinearGradient fill(0, 1, 0, 15.5);
    fill.setColorAt(0, palette::teal.lighter(115));
    fill.setColorAt(1, palette::deepTeal);
    p.fillPath(shield, fill);
    // The cross on whole pixels, so it stays crisp at this size.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(7, 3, 2, 9), Qt::white);
    p.fillRect(QRect(4, 6, 8, 2), Qt::white);
  });
}

QByteArray icoFileOf(const QImage& icon16) {
  const QImage image = icon16.convertToFormat(QImage::Format_ARGB32);
  constexpr int side = 16;
  constexpr quint32 pixelBytes = side * side * 4;
  constexpr quint32 maskBytes = side * 4;  // one bit a pixel, rows padded to 32 bits
  constexpr quint32 imageBytes = 40 + pixelBytes + maskBytes;
  QByteArray out;
  // ICONDIR: reserved, type 1 (icon), one image.
  appendLe16(out, 0);
  appendLe16(out, 1);
  appendLe16(out, 1);
  // ICONDIRENTRY: 16x16, no palette, 1 plane, 32 bits, size and offset of the image.
  out.append(char(side)).append(char(side)).append(char(0)).append(char(0));
  appendLe16(out, 1);
  appendLe16(out, 32);
  appendLe32(out, imageBytes);
  appendLe32(out, 6 + 16);
  // BITMAPINFOHEADER; the height counts the colour rows and the mask rows together.
  appendLe32(out, 40);
  appendLe32(out, side);
  appendLe32(out, side * 2);
  appendLe16(out, 1);
  appendLe16(out, 32);
  appendLe32(out, 0);  // BI_RGB
  appendLe32(out, pixelBytes + maskBytes);
  for (int i = 0; i < 4; ++i) appendLe32(out, 0);
  // Colour rows bottom-up, as BGRA with straight alpha.
  for (int y = side - 1; y >= 0; --y) {
    for (int x = 0; x < side; ++x) {
      const QRgb c = image.pixel(x, y);
      out.append(char(qBlue(c)))
          .append(char(qGreen(c)))
          .append(char(qRed(c)))
          .append(char(qAlpha(c)));
    }
  }
  // AND mask bottom-up: a set bit marks a fully transparent pixel.
  for (int y = side - 1; y >= 0; --y) {
    quint32 bits = 0;
    for (int x = 0; x < side; ++x)
      if (qAlpha(image.pixel(x, y)) == 0) bits |= 0x80000000u >> x;
    const char row[4] = {char(bits >> 24), char(bits >> 16), char(bits >> 8), char(bits)};
    out.append(row, 4);
  }
  return out;
}

QImage listIcon(int which) {
  static const QColor colours[] = {palette::coral, palette::amber, palette::leaf,
                                   QColor(0x9a, 0xa5, 0xae)};
  const QColor colour = colours[which & 3];
  return paintPicture(QSize(16, 16), QSizeF(16, 16), true, [&colour](QPainter& p) {
    QRadialGradient fill(QPointF(6.6, 6.4), 7);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(125), 0.9));
    p.setBrush(fill);
    p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(6.6, 6.4), 1.6, 1.3);
  });
}

}  // namespace art
