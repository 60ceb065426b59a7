#include <QPainter>
#include <QWidget>

#include "ui/kinds.h"
#include "ui/look.h"
#include "ui/shape_geometry.h"

namespace om {

namespace {

enum Shape { kRectangle, kSquare, kEllipse, kCircle, kRounded, kRoundedSquare, kHLine, kVLine };

bool IsSquareShape(int shape) {
  return shape == kSquare || shape == kCircle || shape == kRoundedSquare;
}

}  // namespace

QRect ShapeBounds(int shape, QRect control) {
  if (!IsSquareShape(shape)) return control;
  const int side = std::min(control.width(), control.height());
  return QRect(control.left() + (control.width() - side) / 2,
               control.top() + (control.height() - side) / 2, side, side);
}

QSize CornerEllipse(QRect bounds) {
  return QSize(bounds.width() / 5, bounds.height() / 5);
}

namespace {

Qt::PenStyle PenStyleOf(int lineStyle) {
  switch (lineStyle) {
    case 0:
      return Qt::NoPen;
    case 2:
      return Qt::DashLine;
    case 3:
      return Qt::DotLine;
    case 4:
      return Qt::DashDotLine;
    case 5:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

// Draws one shape and holds other controls.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, const ShapeBoxProps& props) : QWidget(parent), props_(props) {}

  void setBackground(Colour colour) {
    props_.background = colour;
    update();
  }
  void setLineColour(Colour colour) {
    props_.lineColour = colour;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(props_.background, FaceColour()));
    const QRect bounds = ShapeBounds(props_.shape, rect());
    if (props_.relief == 0) {
      const bool solid = props_.lineStyle == 1;
      const int width = solid ? std::max(1, props_.lineWidth) : 1;
      QPen pen(ToQColor(props_.lineColour, Qt::black), width, PenStyleOf(props_.lineStyle));
      pen.setJoinStyle(Qt::MiterJoin);
      // A solid outline lies inside the shape.
      const int inset = width / 2;
      const QRect inner = bounds.adjusted(inset, inset, -(width - inset), -(width - inset));
      drawShape(painter, pen, fillBrush(), inner);
      return;
    }
    // Relief: the outline twice, in black and white, one pixel apart.
    const bool sunken = props_.relief == 1;
    const QRect outer = bounds.adjusted(0, 0, -2, -2);
    drawShape(painter, QPen(sunken ? Qt::black : Qt::white), fillBrush(), outer);
    drawShape(painter, QPen(sunken ? Qt::white : Qt::black), Qt::NoBrush, outer.translated(1, 1));
  }

 private:
  QBrush fillBrush() const {
    if (props_.fillColour.isDefault) return Qt::NoBrush;
    return QBrush(ToQColor(props_.fillColour, Qt::white));
  }

  void drawShape(QPainter& painter, const QPen& pen, const QBrush& brush, QRect r) const {
    painter.setPen(pen);
    painter.setBrush(brush);
    switch (props_.shape) {
      case kEllipse:
      case kCircle:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawEllipse(r);
        break;
      case kRounded:
      case kRoundedSquare: {
        const QSize corner = CornerEllipse(ShapeBounds(props_.shape, rect()));
        painter.drawRoundedRect(r, corner.width() / 2.0, corner.height() / 2.0);
        break;
      }
      case kHLine:
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
        break;
      case kVLine:
        painter.drawLine(r.center().x(), r.top(), r.center().x(), r.bottom());
        break;
      default:
        painter.drawRect(r);
        break;
    }
  }

  ShapeBoxProps props_;
};

class ShapeBox : public Control {
 public:
  ShapeBox(Form& form, QWidget* parent, const ControlRecord& record, const ShapeBoxProps& props)
      : Control(form, record, new ShapeWidget(parent, props)),
        background_(props.background),
        lineColour_(props.lineColour) {
    widget()->setFocusPolicy(Qt::NoFocus);
  }

  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    shape()->setBackground(colour);
  }
  Colour textColour() const override { return lineColour_; }
  void setTextColour(Colour colour) override {
    lineColour_ = colour;
    shape()->setLineColour(colour);
  }

 private:
  ShapeWidget* shape() const { return static_cast<ShapeWidget*>(widget()); }

  Colour background_;
  Colour lineColour_;
};

}  // namespace

std::unique_ptr<Control> MakeShapeBox(Form& form, QWidget* parent, const ControlRecord& record,
                                      const ShapeBoxProps& props) {
  return std::make_unique<ShapeBox>(form, parent, record, props);
}

}  // namespace om
