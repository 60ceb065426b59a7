#include "ui/window_ref.h"

#include <QCoreApplication>
#include <QImage>
#include <QThread>
#include <functional>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/look.h"
#include "ui/window_state.h"

namespace om {

namespace {

using State = std::shared_ptr<detail::WindowState>;

bool OnWindowThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

// The one road from any thread to a control: on the window thread the change is made at once;
// from elsewhere it is queued to the window thread, by value, and made there if the window and
// the control still exist. Changes queued by one thread arrive in the order they were made.
void Change(const State& state, const Text& name, std::function<void(Control&)> change) {
  if (!state) return;
  auto apply = [state, name, change = std::move(change)] {
    Form* form = state->form;
    if (!form) return;
    if (Control* control = form->find(name)) change(*control);
  };
  if (OnWindowThread()) {
    apply();
    return;
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || !state->open) return;
  QMetaObject::invokeMethod(app, std::move(apply), Qt::QueuedConnection);
}

// Reads a value on the window thread; another thread waits for the answer (the window thread
// answers between two of its events, so the reader also sees every change it queued before).
template <class R>
R Read(const State& state, const Text& name, R fallback,
       const std::function<R(const Control&)>& read) {
  if (!state) return fallback;
  R result = fallback;
  auto apply = [&] {
    Form* form = state->form;
    if (!form) return;
    if (const Control* control = form->find(name)) result = read(*control);
  };
  if (OnWindowThread()) {
    apply();
    return result;
  }
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || !state->open) return fallback;
  QMetaObject::invokeMethod(app, apply, Qt::BlockingQueuedConnection);
  return result;
}

void OnForm(const State& state, std::function<void(Form&)> action) {
  Change(state, Text(), [action = std::move(action)](Control& self) { action(self.form()); });
}

}  // namespace

bool WindowRef::isOpen() const {
  return state_ && state_->open;
}

Text WindowRef::name() const {
  return state_ ? state_->name : Text();
}

ControlRef WindowRef::control(const Text& name) const {
  return ControlRef(state_, name);
}

ControlRef WindowRef::self() const {
  return ControlRef(state_, Text());
}

void WindowRef::show() const {
  OnForm(state_, [](Form& form) { form.present(); });
}

void WindowRef::hide() const {
  OnForm(state_, [](Form& form) { form.hide(); });
}

void WindowRef::requestClose() const {
  OnForm(state_, [](Form& form) { form.close(); });
}

QWidget* WindowRef::widget() const {
  if (!state_ || !OnWindowThread()) return nullptr;
  return state_->form.data();
}

bool ControlRef::exists() const {
  return Read<bool>(state_, name_, false, [](const Control&) { return true; });
}

void ControlRef::setCaption(const Text& text) const {
  Change(state_, name_, [text](Control& c) { c.setCaption(text); });
}

Text ControlRef::caption() const {
  return Read<Text>(state_, name_, Text(), [](const Control& c) { return c.caption(); });
}

void ControlRef::setTextColour(Colour colour) const {
  Change(state_, name_, [colour](Control& c) { c.setTextColour(colour); });
}

Colour ControlRef::textColour() const {
  return Read<Colour>(state_, name_, Colour(), [](const Control& c) { return c.textColour(); });
}

void ControlRef::setBackColour(Colour colour) const {
  Change(state_, name_, [colour](Control& c) { c.setBackColour(colour); });
}

Colour ControlRef::backColour() const {
  return Read<Colour>(state_, name_, Colour(), [](const Control& c) { return c.backColour(); });
}

void ControlRef::setVisible(bool visible) const {
  Change(state_, name_, [visible](Control& c) { c.setVisible(visible); });
}

bool ControlRef::isVisible() const {
  return Read<bool>(state_, name_, false, [](const Control& c) { return c.isVisible(); });
}

void ControlRef::setInterval(int milliseconds) const {
  Change(state_, name_, [milliseconds](Control& c) { c.setInterval(milliseconds); });
}

int ControlRef::interval() const {
  return Read<int>(state_, name_, 0, [](const Control& c) { return c.interval(); });
}

void ControlRef::setCurrentIndex(int index) const {
  Change(state_, name_, [index](Control& c) { c.setCurrentIndex(index); });
}

int ControlRef::currentIndex() const {
  return Read<int>(state_, name_, -1, [](const Control& c) { return c.currentIndex(); });
}

Text ControlRef::currentText() const {
  return Read<Text>(state_, name_, Text(), [](const Control& c) { return c.currentText(); });
}

void ControlRef::addRow(std::vector<Text> cells) const {
  Change(state_, name_, [cells = std::move(cells)](Control& c) { c.addRow(cells); });
}

void ControlRef::setCell(int row, int column, const Text& text) const {
  Change(state_, name_, [row, column, text](Control& c) { c.setCell(row, column, text); });
}

void ControlRef::setRowImage(int row, int imageIndex) const {
  Change(state_, name_, [row, imageIndex](Control& c) { c.setRowImage(row, imageIndex); });
}

void ControlRef::clearRows() const {
  Change(state_, name_, [](Control& c) { c.clearRows(); });
}

int ControlRef::rowCount() const {
  return Read<int>(state_, name_, 0, [](const Control& c) { return c.rowCount(); });
}

int ControlRef::focusedRow() const {
  return Read<int>(state_, name_, -1, [](const Control& c) { return c.focusedRow(); });
}

Text ControlRef::cellText(int row, int column) const {
  return Read<Text>(state_, name_, Text(),
                    [row, column](const Control& c) { return c.cellText(row, column); });
}

void ControlRef::setPicture(ImageBytes data) const {
  // Decoding needs no window; it happens on the calling thread.
  setPicture(DecodePicture(data));
}

void ControlRef::setPicture(const QImage& image) const {
  Change(state_, name_, [image](Control& c) { c.setPicture(image); });
}

void ControlRef::setCurrentPage(int page) const {
  Change(state_, name_, [page](Control& c) { c.setCurrentPage(page); });
}

int ControlRef::currentPage() const {
  return Read<int>(state_, name_, -1, [](const Control& c) { return c.currentPage(); });
}

QWidget* ControlRef::widget() const {
  if (!state_ || !OnWindowThread() || !state_->form) return nullptr;
  const Control* control = state_->form->find(name_);
  return control ? control->widget() : nullptr;
}

}  // namespace om
