// The two illustrated pictures: the skyline beside the title and the encouragement card.
#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork.h"
#include "style.h"

namespace art {

namespace {

struct Building {
  qreal x, width, height;
};

void skyline(QPainter& p, const std::initializer_list<Building>& buildings, qreal base,
             const QColor& colour, const QColor& windows) {
  for (const Building& b : buildings) {
    const QRectF body(b.x, base - b.height, b.width, b.height);
    p.fillRect(body, colour);
    if (windows.alpha() == 0) continue;
    for (qreal y = body.top() + 3; y < base - 4; y += 4.5)
      for (qreal x = body.left() + 2; x + 1.6 <= body.right() - 1.5; x += 3.4)
        p.fillRect(QRectF(x, y, 1.6, 2.2), windows);
  }
}

// A tiered tower with swept eaves, the landmark on the river bank.
void tower(QPainter& p, qreal cx, qreal base, const QColor& colour) {
  QPainterPath path;
  const qreal tiers[][3] = {{14, 6, base}, {11, 6, base - 9}, {8, 5, base - 17}};
  for (const auto& t : tiers) {
    const qreal half = t[0];
    const qreal body = t[1];
    const qreal foot = t[2];
    path.addRect(QRectF(cx - half * 0.55, foot - body - 3, half * 1.1, body + 3));
    QPainterPath roof;
    roof.moveTo(cx - half, foot - body - 1);
    roof.quadTo(cx - half * 0.6, foot - body - 2, cx - half * 0.45, foot - body - 5);
    roof.lineTo(cx + half * 0.45, foot - body - 5);
    roof.quadTo(cx + half * 0.6, foot - body - 2, cx + half, foot - body - 1);
    roof.closeSubpath();
    path.addPath(roof);
  }
  path.addRect(QRectF(cx - 0.6, base - 32, 1.2, 6));
  p.fillPath(path.simplified(), colour);
}

void bridge(QPainter& p, qreal left, qreal right, qreal deck, qreal water, const QColor& c) {
  p.fillRect(QRectF(left, deck - 2.2, right - left, 2.2), c);
  p.fillRect(QRectF(left, deck + 1, right - left, 1), c);
  const int spans = 5;
  const qreal span = (right - left) / spans;
  p.setPen(QPen(c, 1.4));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < spans; ++i) {
    const qreal x0 = left + i * span;
    QPainterPath arch;
    arch.moveTo(x0, water);
    arch.quadTo(x0 + span / 2, deck - 4, x0 + span, water);
    p.drawPath(arch);
    p.fillRect(QRectF(x0 + span - 1.5, deck, 3, water - deck), c);
  }
  p.setPen(Qt::NoPen);
}

QPainterPath heartPath(QPointF centre, qreal width, qreal height) {
  const qreal cx = centre.x();
  const qreal top = centre.y() - height / 2;
  const qreal w = width / 2;
  QPainterPath path;
  path.moveTo(cx, top + 0.28 * height);
  path.cubicTo(cx - 0.05 * w, top - 0.02 * height, cx - w, top - 0.02 * height, cx - w,
               top + 0.32 * height);
  path.cubicTo(cx - w, top + 0.62 * height, cx - 0.35 * w, top + 0.78 * height, cx, top + height);
  path.cubicTo(cx + 0.35 * w, top + 0.78 * height, cx + w, top + 0.62 * height, cx + w,
               top + 0.32 * height);
  path.cubicTo(cx + w, top - 0.02 * height, cx + 0.05 * w, top - 0.02 * height, cx,
               top + 0.28 * height);
  return path;
}

}  // namespace

QImage headerPhoto() {
  return paintPicture(QSize(640, 307), QSizeF(192, 92), false, [](QPainter& p) {
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0xb4, 0xdc, 0xec));
    sky.setColorAt(1, QColor(0xf3, 0xfa, 0xfc));
    p.fillRect(QRectF(0, 0, 192, 64), sky);

    QRadialGradient glow(QPointF(150, 24), 26);
    glow.setColorAt(0, QColor(255, 248, 224, 230));
    glow.setColorAt(0.45, QColor(255, 246, 220, 120));
    glow.setColorAt(1, QColor(255, 246, 220, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(150, 24), 26, 26);
    p.setBrush(QColor(255, 250, 235));
    p.drawEllipse(QPointF(150, 24), 9, 9);

    p.setBrush(QColor(255, 255, 255, 190));
    p.drawRoundedRect(QRectF(22, 14, 34, 7), 3.5, 3.5);
    p.drawRoundedRect(QRectF(30, 10, 16, 8), 4, 4);
    p.drawRoundedRect(QRectF(96, 22, 26, 5), 2.5, 2.5);

    skyline(p,
            {{0, 12, 22},
             {13, 9, 30},
             {60, 14, 26},
             {76, 8, 36},
             {86, 12, 24},
             {120, 10, 32},
             {132, 16, 22},
             {150, 9, 40},
             {161, 13, 28},
             {176, 16, 20}},
            62, QColor(0xa6, 0xcf, 0xdc), QColor(0, 0, 0, 0));
    skyline(p,
            {{4, 14, 14},
             {20, 10, 20},
             {64, 12, 18},
             {78, 16, 12},
             {112, 12, 22},
             {126, 9, 16},
             {138, 15, 26},
             {155, 12, 15},
             {170, 10, 22},
             {182, 10, 12}},
            62, QColor(0x6d, 0xad, 0xbf), QColor(255, 255, 255, 80));
    tower(p, 44, 62, QColor(0x3f, 0x86, 0x9b));

    QLinearGradient river(0, 62, 0, 92);
    river.setColorAt(0, QColor(0x8c, 0xc4, 0xd5));
    river.setColorAt(1, QColor(0x4d, 0x96, 0xad));
    p.fillRect(QRectF(0, 62, 192, 30), river);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [x, y, len] : {std::tuple{10.0, 70.0, 18.0},
                                    {48.0, 76.0, 26.0},
                                    {120.0, 72.0, 20.0},
                                    {150.0, 84.0, 24.0},
                                    {20.0, 86.0, 14.0},
                                    {86.0, 88.0, 18.0}})
      p.drawLine(QPointF(x, y), QPointF(x + len, y));
    p.setPen(Qt::NoPen);

    bridge(p, 84, 192, 58, 70, QColor(0x2c, 0x6f, 0x84));
  });
}

QImage infoPicture() {
  return paintPicture(QSize(1080, 1080), QSizeF(240, 240), false, [](QPainter& p) {
    QRadialGradient background(QPointF(120, 96), 190);
    background.setColorAt(0, Qt::white);
    background.setColorAt(1, QColor(0xdc, 0xee, 0xf5));
    p.fillRect(QRectF(0, 0, 240, 240), background);

    p.setPen(Qt::NoPen);
    for (const auto& [x, y, r, a] : {std::tuple{28.0, 40.0, 10.0, 40},
                                     {210.0, 56.0, 14.0, 34},
                                     {196.0, 30.0, 5.0, 50},
                                     {40.0, 150.0, 6.0, 44},
                                     {214.0, 150.0, 8.0, 38}}) {
      p.setBrush(withAlpha(palette::softTeal, a));
      p.drawEllipse(QPointF(x, y), r, r);
    }
    for (const auto& [x, y, s] : {std::tuple{52.0, 64.0, 14.0}, {190.0, 104.0, 11.0}}) {
      p.fillPath(heartPath(QPointF(x, y), s, s * 0.9), withAlpha(palette::coral, 90));
    }

    const QPainterPath heart = heartPath(QPointF(120, 92), 118, 104);
    softShadow(p, heart, QPointF(0, 4), 8, QColor(180, 40, 50, 45));
    QLinearGradient fill(0, 40, 0, 144);
    fill.setColorAt(0, QColor(0xf2, 0x7a, 0x7c));
    fill.setColorAt(1, QColor(0xd6, 0x40, 0x4c));
    p.fillPath(heart, fill);
    p.fillPath(crossPath(QPointF(120, 86), 38, 13, 3), QColor(255, 255, 255, 235));

    p.setPen(palette::coral.darker(115));
    p.setFont(cjkFont(30, true));
    // The full-width mark carries its own space on the right; shift to centre what shows.
    p.drawText(QRectF(8, 154, 240, 40), Qt::AlignCenter, QStringLiteral("武汉加油！"));
    p.setPen(palette::teal);
    p.setFont(cjkFont(13, false));
    p.drawText(QRectF(0, 192, 240, 24), Qt::AlignCenter, QStringLiteral("众志成城  ·  共克时艰"));
  });
}

}  // namespace art
