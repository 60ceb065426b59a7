#include "style.h"

#include <QFontMetricsF>

namespace art {

QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

namespace {

QFont fontOf(const QString& family, qreal pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(qRound(pixelSize));
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace

QFont latinFont(qreal pixelSize, bool bold) {
  return fontOf(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont cjkFont(qreal pixelSize, bool bold) {
  return fontOf(QStringLiteral("WenQuanYi Micro Hei"), pixelSize, bold);
}

QImage paintPicture(QSize pixels, QSizeF design, bool withAlphaChannel,
                    const std::function<void(QPainter&)>& paint) {
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(withAlphaChannel ? Qt::transparent : Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(pixels.width() / design.width(), pixels.height() / design.height());
    paint(painter);
  }
  return image.convertToFormat(withAlphaChannel ? QImage::Format_ARGB32 : QImage::Format_RGB888);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void softShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, qreal spread,
                QColor colour) {
  painter.save();
  painter.translate(offset);
  painter.setBrush(Qt::NoBrush);
  const int steps = 6;
  for (int i = steps; i >= 1; --i) {
    QColor c = colour;
    c.setAlphaF(colour.alphaF() / steps);
    painter.setPen(QPen(c, spread * i / steps, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(shape);
  }
  painter.fillPath(shape, colour);
  painter.restore();
}

void drawSpacedText(QPainter& painter, QPointF baseline, const QString& text, const QFont& font,
                    qreal spacing) {
  painter.setFont(font);
  const QFontMetricsF metrics(font);
  QPointF at = baseline;
  for (const QChar ch : text) {
    painter.drawText(at, QString(ch));
    at.rx() += metrics.horizontalAdvance(ch) + spacing;
  }
}

QPainterPath crossPath(QPointF centre, qreal size, qreal thickness, qreal radius) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  path.addRoundedRect(QRectF(centre.x() - thickness / 2, centre.y() - size / 2, thickness, size),
                      radius, radius);
  path.addRoundedRect(QRectF(centre.x() - size / 2, centre.y() - thickness / 2, size, thickness),
                      radius, radius);
  return path.simplified();
}

}  // namespace art
