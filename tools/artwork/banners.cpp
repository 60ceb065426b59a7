// The three banner strips: behind the summary figures, the title, and over the news list.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include "artwork.h"
#include "style.h"

namespace art {

namespace {

// One calm tile per figure with a coloured bar at its left edge; the figure texts sit on it.
void figureTile(QPainter& p, const QRectF& tile, const QColor& accent) {
  // No outline: the figure texts reach the tile's edges, and a line would cross them.
  QLinearGradient tint(0, tile.top(), 0, tile.bottom());
  tint.setColorAt(0, withAlpha(accent, 16));
  tint.setColorAt(1, withAlpha(accent, 30));
  p.fillPath(roundedRect(tile, 5), tint);
  p.fillPath(roundedRect(QRectF(tile.left() + 2, tile.top() + 6, 2.6, tile.height() - 12), 1.3),
             accent);
}

// A round emblem with a pulse line, at the right end where no text goes.
void pulseEmblem(QPainter& p, QPointF centre, qreal radius) {
  softShadow(
      p,
      [&] {
        QPainterPath c;
        c.addEllipse(centre, radius, radius);
        return c;
      }(),
      QPointF(0, 1.2), 3, withAlpha(palette::deepTeal, 40));
  QLinearGradient fill(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
  fill.setColorAt(0, palette::softTeal);
  fill.setColorAt(1, palette::teal);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
  p.setBrush(fill);
  p.drawEllipse(centre, radius, radius);

  QPainterPath pulse;
  const qreal x0 = centre.x() - radius * 0.72;
  const qreal y = centre.y() + radius * 0.05;
  const qreal u = radius / 10;
  pulse.moveTo(x0, y);
  pulse.lineTo(x0 + 3.5 * u, y);
  pulse.lineTo(x0 + 5.0 * u, y - 4.5 * u);
  pulse.lineTo(x0 + 7.0 * u, y + 5.0 * u);
  pulse.lineTo(x0 + 8.8 * u, y - 2.0 * u);
  pulse.lineTo(x0 + 10 * u, y);
  pulse.lineTo(centre.x() + radius * 0.72, y);
  p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(pulse);
}

}  // namespace

QImage figuresBanner() {
  return paintPicture(QSize(1043, 284), QSizeF(422, 77), true, [](QPainter& p) {
    const QRectF card(0.5, 0.5, 421, 76);
    QLinearGradient background(0, 0, 0, 77);
    background.setColorAt(0, Qt::white);
    background.setColorAt(1, palette::mist);
    p.fillPath(roundedRect(card, 6), background);
    p.setPen(QPen(palette::line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(card, 6));

    // Confirmed top left, suspected top right, cured bottom left, dead bottom right.
    figureTile(p, QRectF(4, 2.5, 188, 35), palette::coral);
    figureTile(p, QRectF(197, 2.5, 161, 35), palette::amber);
    figureTile(p, QRectF(4, 39.5, 188, 35), palette::leaf);
    figureTile(p, QRectF(197, 39.5, 161, 35), palette::slate);

    pulseEmblem(p, QPointF(391, 38.5), 24);
  });
}

QImage titleBanner() {
  return paintPicture(QSize(1166, 241), QSizeF(455, 92), false, [](QPainter& p) {
    QLinearGradient background(0, 0, 455, 92);
    background.setColorAt(0, palette::deepTeal);
    background.setColorAt(1, palette::calmBlue);
    p.fillRect(QRectF(0, 0, 455, 92), background);

    // Soft light circles and a wave at the foot, for depth without detail.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawEllipse(QPointF(420, 10), 70, 70);
    p.setBrush(QColor(255, 255, 255, 12));
    p.drawEllipse(QPointF(360, 96), 52, 52);
    QPainterPath wave;
    wave.moveTo(0, 80);
    wave.cubicTo(120, 66, 260, 96, 455, 74);
    wave.lineTo(455, 92);
    wave.lineTo(0, 92);
    wave.closeSubpath();
    p.fillPath(wave, QColor(255, 255, 255, 22));

    // Emblem: a white rounded square with a teal cross.
    const QRectF badge(22, 20, 52, 52);
    softShadow(p, roundedRect(badge, 12), QPointF(0, 2), 4, QColor(0, 30, 40, 60));
    p.fillPath(roundedRect(badge, 12), Qt::white);
    p.fillPath(crossPath(badge.center(), 30, 10, 2.5), palette::teal);

    p.setPen(Qt::white);
    p.setFont(latinFont(27, true));
    p.drawText(QPointF(90, 46), QStringLiteral("Orvanta-Meridrel"));
    p.setPen(QColor(0xd4, 0xef, 0xf5));
    drawSpacedText(p, QPointF(91, 72), QStringLiteral("疫情实时动态"), cjkFont(16, false), 3);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.drawLine(QPointF(214, 66.5), QPointF(300, 66.5));
    p.setPen(QColor(255, 255, 255, 170));
    drawSpacedText(p, QPointF(306, 71), QStringLiteral("LIVE"), latinFont(10, true), 2);
  });
}

QImage newsBanner() {
  return paintPicture(QSize(967, 54), QSizeF(653, 33), false, [](QPainter& p) {
    QLinearGradient background(0, 0, 653, 0);
    background.setColorAt(0, palette::teal);
    background.setColorAt(0.65, palette::calmBlue);
    background.setColorAt(1, QColor(0x8c, 0xc3, 0xe0));
    p.fillRect(QRectF(0, 0, 653, 33), background);
    p.fillRect(QRectF(0, 31, 653, 2), QColor(255, 255, 255, 70));

    // A folded newspaper.
    const QRectF paper(12, 7, 22, 18);
    p.fillPath(roundedRect(paper, 2), Qt::white);
    p.fillRect(QRectF(15, 10, 7, 6), withAlpha(palette::teal, 200));
    p.setPen(QPen(withAlpha(palette::teal, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {11.0, 14.0}) p.drawLine(QPointF(24, y), QPointF(31, y));
    for (qreal y : {18.5, 21.5}) p.drawLine(QPointF(15, y), QPointF(31, y));

    p.setPen(Qt::white);
    drawSpacedText(p, QPointF(44, 22.5), QStringLiteral("全国疫情新闻聚焦"), cjkFont(16, true), 2);

    p.setPen(QColor(255, 255, 255, 150));
    drawSpacedText(p, QPointF(574, 21), QStringLiteral("NEWS"), latinFont(11, true), 3);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(222, 16.5), QPointF(560, 16.5));
  });
}

}  // namespace art
