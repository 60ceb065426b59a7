#include <QTimer>

#include "ui/form.h"
#include "ui/kinds.h"

namespace om {

namespace {

// An invisible control raising Tick every interval; 0 or less means stopped.
class Timer : public Control {
 public:
  Timer(Form& form, const ControlRecord& record, const TimerProps& props)
      : Control(form, record, nullptr), timer_(new QTimer(&form)) {
    timer_->setObjectName(toQStringName(record.name));
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { raise(Event::Tick); });
    setInterval(props.interval);
  }

  void setInterval(int milliseconds) override {
    timer_->stop();
    interval_ = std::max(0, milliseconds);
    if (interval_ > 0) timer_->start(interval_);
  }
  int interval() const override { return interval_; }
  bool isVisible() const override { return false; }
  void setVisible(bool) override {}

 private:
  static QString toQStringName(const Text& name) {
    return QString::fromStdU16String(name.toUtf16());
  }

  QTimer* timer_;
  int interval_ = 0;
};

}  // namespace

std::unique_ptr<Control> MakeTimer(Form& form, QWidget*, const ControlRecord& record,
                                   const TimerProps& props) {
  return std::make_unique<Timer>(form, record, props);
}

}  // namespace om
