#include "demo/paint_probe.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace om {
namespace {

// Lives as the widget's child, so it goes with the widget.
class FirstPaintFilter : public QObject {
 public:
  FirstPaintFilter(QWidget* widget, std::function<void()> then)
      : QObject(widget), then_(std::move(then)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      // The paint runs once this filter returns; the queued call comes after the whole update.
      QTimer::singleShot(0, std::exchange(then_, nullptr));
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget* widget, std::function<void()> then) {
  if (!widget) return;
  widget->installEventFilter(new FirstPaintFilter(widget, std::move(then)));
}

}  // namespace om
