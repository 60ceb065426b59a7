#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "ui/kinds.h"
#include "ui/look.h"
#include "ui/splitter_drag.h"

namespace om {

int SplitterOutlinePosition(int start, int pointerTravel, int barExtent, int parentExtent) {
  const int low = std::min(start, 0);
  const int high = std::max(start, parentExtent - barExtent);
  return std::clamp(start + pointerTravel, low, high);
}

namespace {

// The half-tone outline that follows the pointer during a drag.
class DragOutline : public QWidget {
 public:
  explicit DragOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("splitterOutline"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
  }
};

// A bar painted in its colour with a raised edge, which the user drags along one axis. It never
// moves itself: dropping it elsewhere reports the old and the new coordinate.
class BarWidget : public QWidget {
 public:
  BarWidget(QWidget* parent, Control& control, const SplitterBarProps& props)
      : QWidget(parent),
        control_(control),
        colour_(props.colour),
        vertical_(props.orientation == 1) {
    setCursor(vertical_ ? Qt::SizeHorCursor : Qt::SizeVerCursor);
  }

  void setColour(Colour colour) {
    colour_ = colour;
    update();
  }
  Colour colour() const { return colour_; }
  bool dragging() const { return outline_ != nullptr; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, ToQColor(colour_, FaceColour()));
    if (r.width() < 2 || r.height() < 2) return;
    const QPalette& p = palette();
    painter.setPen(p.color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(p.color(QPalette::Dark));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
  }

  void mousePressEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::RightButton) {
      cancel();
      return;
    }
    if (event->button() != Qt::LeftButton || dragging() || !parentWidget()) return;
    start_ = along(pos());
    pressAt_ = along(event->globalPosition().toPoint());
    outline_ = new DragOutline(parentWidget());
    outline_->setGeometry(geometry());
    outline_->raise();
    outline_->show();
    grabMouse();
    grabKeyboard();
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    event->accept();
    if (!dragging()) return;
    const int position = outlinePosition(event->globalPosition().toPoint());
    outline_->move(vertical_ ? QPoint(position, y()) : QPoint(x(), position));
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() != Qt::LeftButton || !dragging()) return;
    const int position = outlinePosition(event->globalPosition().toPoint());
    const int old = start_;
    endDrag();
    if (position == old) return;
    EventArgs args;
    args.oldPosition = old;
    args.newPosition = position;
    control_.raise(Event::PositionChanged, args);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (dragging() && event->key() == Qt::Key_Escape) {
      cancel();
      event->accept();
      return;
    }
    QWidget::keyPressEvent(event);
  }

  // Losing the focus or the window means losing the capture.
  void focusOutEvent(QFocusEvent* event) override {
    cancel();
    QWidget::focusOutEvent(event);
  }
  void hideEvent(QHideEvent* event) override {
    cancel();
    QWidget::hideEvent(event);
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowDeactivate) cancel();
    return QWidget::event(event);
  }

 private:
  int along(QPoint point) const { return vertical_ ? point.x() : point.y(); }

  int outlinePosition(QPoint global) const {
    const QWidget* parent = parentWidget();
    const int parentExtent = vertical_ ? parent->width() : parent->height();
    const int barExtent = vertical_ ? width() : height();
    return SplitterOutlinePosition(start_, along(global) - pressAt_, barExtent, parentExtent);
  }

  void cancel() {
    if (dragging()) endDrag();
  }

  void endDrag() {
    delete outline_.data();
    outline_ = nullptr;
    releaseKeyboard();
    releaseMouse();
  }

  Control& control_;
  Colour colour_;
  bool vertical_;
  QPointer<DragOutline> outline_;
  int start_ = 0;
  int pressAt_ = 0;
};

class SplitterBar : public Control {
 public:
  SplitterBar(Form& form, QWidget* parent, const ControlRecord& record,
              const SplitterBarProps& props)
      : Control(form, record, nullptr) {
    auto* bar = new BarWidget(parent, *this, props);
    bar->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    setWidget(bar);
  }

  Colour backColour() const override { return bar()->colour(); }
  void setBackColour(Colour colour) override { bar()->setColour(colour); }

 private:
  BarWidget* bar() const { return static_cast<BarWidget*>(widget()); }
};

}  // namespace

std::unique_ptr<Control> MakeSplitterBar(Form& form, QWidget* parent, const ControlRecord& record,
                                         const SplitterBarProps& props) {
  return std::make_unique<SplitterBar>(form, parent, record, props);
}

}  // namespace om
