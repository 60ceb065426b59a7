// The side picture under the facts panel: four protection tips, each with a drawn icon.
#include <QLinearGradient>

#include "artwork.h"
#include "style.h"

namespace art {

namespace {

const QColor kSkin{0xf8, 0xe1, 0xcf};

void maskIcon(QPainter& p, QPointF c) {
  p.setPen(Qt::NoPen);
  p.setBrush(kSkin);
  p.drawEllipse(c + QPointF(0, -1), 15, 16);
  p.setBrush(palette::ink);
  p.drawEllipse(c + QPointF(-5.5, -6), 1.7, 1.7);
  p.drawEllipse(c + QPointF(5.5, -6), 1.7, 1.7);
  // Ear loops, then the mask over mouth and nose.
  p.setPen(QPen(palette::softTeal, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(c.x() - 17, c.y() - 4, 8, 12), 90 * 16, 180 * 16);
  p.drawArc(QRectF(c.x() + 9, c.y() - 4, 8, 12), -90 * 16, 180 * 16);
  const QRectF mask(c.x() - 12.5, c.y() - 2, 25, 14);
  p.setPen(QPen(palette::softTeal, 1.1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(mask, 5, 5);
  p.setPen(QPen(withAlpha(palette::softTeal, 170), 0.9));
  for (qreal y : {2.5, 5.5, 8.5}) p.drawLine(c + QPointF(-8, y), c + QPointF(8, y));
}

void washIcon(QPainter& p, QPointF c) {
  const QColor metal(0x5d, 0x8f, 0x9e);
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(c.x() - 16, c.y() - 15, 18, 6), 2, 2);     // pipe
  p.drawRoundedRect(QRectF(c.x() - 2, c.y() - 15, 7, 11), 2.5, 2.5);  // spout
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 20, 2.4, 5), 1, 1);    // stem
  p.drawRoundedRect(QRectF(c.x() - 14, c.y() - 21.5, 10.4, 2.4), 1.2, 1.2);
  auto drop = [&p](QPointF tip, qreal size) {
    QPainterPath d;
    d.moveTo(tip);
    d.cubicTo(tip + QPointF(size * 0.9, size * 1.2), tip + QPointF(size * 0.7, size * 2.1),
              tip + QPointF(0, size * 2.1));
    d.cubicTo(tip + QPointF(-size * 0.7, size * 2.1), tip + QPointF(-size * 0.9, size * 1.2), tip);
    p.fillPath(d, palette::calmBlue);
  };
  drop(c + QPointF(1.5, -1), 2.6);
  drop(c + QPointF(1.5, 7), 2.2);
  p.setPen(QPen(withAlpha(palette::calmBlue, 190), 1.1));
  p.setBrush(QColor(255, 255, 255, 160));
  p.drawEllipse(c + QPointF(-9, 10), 4.5, 4.5);
  p.drawEllipse(c + QPointF(-14, 3), 2.6, 2.6);
  p.drawEllipse(c + QPointF(10, 14), 3, 3);
}

void airIcon(QPainter& p, QPointF c) {
  const QRectF frame(c.x() - 17, c.y() - 13, 21, 26);
  p.setPen(QPen(palette::teal, 1.8));
  p.setBrush(QColor(0xf4, 0xfb, 0xfd));
  p.drawRoundedRect(frame, 2, 2);
  p.setPen(QPen(palette::teal, 1.2));
  p.drawLine(QPointF(frame.center().x(), frame.top()), QPointF(frame.center().x(), frame.bottom()));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(palette::calmBlue, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (const auto& [y, len] : {std::pair{-7.0, 14.0}, {0.0, 19.0}, {7.0, 12.0}}) {
    QPainterPath wind;
    const QPointF from = c + QPointF(-2, y);
    wind.moveTo(from);
    wind.cubicTo(from + QPointF(len * 0.35, -3.2), from + QPointF(len * 0.65, 3.2),
                 from + QPointF(len, 0));
    p.drawPath(wind);
  }
}

void person(QPainter& p, QPointF head, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(head, 4.6, 4.6);
  QPainterPath body;
  body.moveTo(head + QPointF(-8, 16));
  body.cubicTo(head + QPointF(-8, 6), head + QPointF(8, 6), head + QPointF(8, 16));
  body.closeSubpath();
  p.drawPath(body);
}

void distanceIcon(QPainter& p, QPointF c) {
  person(p, c + QPointF(-12, -6), palette::teal);
  person(p, c + QPointF(12, -6), palette::amber);
  const QPen pen(palette::slate, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  const qreal y = c.y() + 14;
  p.drawLine(QPointF(c.x() - 14, y), QPointF(c.x() + 14, y));
  p.drawPolyline(QPolygonF{{c.x() - 10, y - 3}, {c.x() - 14, y}, {c.x() - 10, y + 3}});
  p.drawPolyline(QPolygonF{{c.x() + 10, y - 3}, {c.x() + 14, y}, {c.x() + 10, y + 3}});
}

struct Tip {
  const char16_t* caption;
  const char16_t* hint;
  QColor tint;
  void (*icon)(QPainter&, QPointF);
};

void tipCell(QPainter& p, const QRectF& cell, const Tip& tip) {
  const QPointF centre(cell.left() + 36, cell.center().y());
  p.setPen(Qt::NoPen);
  p.setBrush(tip.tint);
  p.drawEllipse(centre, 28, 28);
  tip.icon(p, centre);
  p.setPen(palette::deepTeal);
  drawSpacedText(p, QPointF(cell.left() + 74, cell.center().y() - 2),
                 QString::fromUtf16(tip.caption), cjkFont(15, true), 1.5);
  p.setPen(palette::slate);
  p.setFont(cjkFont(11, false));
  p.drawText(QPointF(cell.left() + 74, cell.center().y() + 16), QString::fromUtf16(tip.hint));
}

}  // namespace

QImage sidePanel() {
  return paintPicture(QSize(1000, 800), QSizeF(331, 248), true, [](QPainter& p) {
    const QRectF card(1, 1, 329, 246);
    const QPainterPath shape = roundedRect(card, 10);
    QLinearGradient background(0, 0, 0, 248);
    background.setColorAt(0, Qt::white);
    background.setColorAt(1, palette::paleSky);
    p.fillPath(shape, background);

    p.save();
    p.setClipPath(shape);
    QLinearGradient band(0, 0, 331, 0);
    band.setColorAt(0, palette::teal);
    band.setColorAt(1, palette::calmBlue);
    p.fillRect(QRectF(0, 0, 331, 40), band);
    p.restore();
    p.fillPath(crossPath(QPointF(24, 20.5), 14, 5, 1.2), Qt::white);
    p.setPen(Qt::white);
    drawSpacedText(p, QPointF(40, 26.5), QStringLiteral("科学防护  从我做起"), cjkFont(16, true),
                   1.5);

    p.setPen(QPen(palette::line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(QPen(palette::line, 0.8, Qt::DashLine));
    p.drawLine(QPointF(165.5, 54), QPointF(165.5, 234));
    p.drawLine(QPointF(14, 143.5), QPointF(317, 143.5));

    const Tip tips[] = {
        {u"戴口罩", u"外出规范佩戴", QColor(0xe1, 0xf1, 0xf6), maskIcon},
        {u"勤洗手", u"流水洗手20秒", QColor(0xe0, 0xf3, 0xec), washIcon},
        {u"常通风", u"每日开窗通风", QColor(0xe6, 0xef, 0xf9), airIcon},
        {u"少聚集", u"减少聚会聚餐", QColor(0xfb, 0xef, 0xe4), distanceIcon},
    };
    const QRectF cells[] = {
        {4, 48, 160, 92}, {167, 48, 160, 92}, {4, 148, 160, 92}, {167, 148, 160, 92}};
    for (int i = 0; i < 4; ++i) tipCell(p, cells[i], tips[i]);
  });
}

}  // namespace art
