#include "ui/control.h"

#include <QWidget>

#include "ui/form.h"

namespace om {

Control::Control(Form& form, ControlRecord record, QWidget* widget)
    : form_(form), record_(std::move(record)), widget_(widget) {}

QWidget* Control::childArea(int) {
  return widget_;
}

QPoint Control::childOrigin(int) const {
  return {};
}

void Control::setVisible(bool visible) {
  if (widget_) widget_->setVisible(visible);
}

bool Control::isVisible() const {
  return widget_ && !widget_->isHidden();
}

bool Control::isBound(Event event) const {
  for (const Binding& binding : record_.bindings) {
    if (binding.event == event) return true;
  }
  return false;
}

bool Control::raise(Event event, EventArgs args) {
  args.window = form_.ref();
  args.control = record_.name;
  args.event = event;
  bool allowed = true;
  // A handler may close the window; copies keep the handlers alive while they run.
  const std::vector<Binding> bindings = record_.bindings;
  for (const Binding& binding : bindings) {
    if (binding.event == event && binding.handler && !binding.handler(args)) allowed = false;
  }
  return allowed;
}

}  // namespace om
