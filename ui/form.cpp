#include "ui/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QWindow>

#include "data/qt_text.h"
#include "ui/common_events.h"
#include "ui/kinds.h"
#include "ui/look.h"
#include "ui/window_lifetime.h"

namespace om {

namespace {

bool IsResizable(int borderStyle) {
  return borderStyle == 1 || borderStyle == 3 || borderStyle == 5;
}

bool HasClientEdge(int borderStyle) {
  return borderStyle == 5 || borderStyle == 6;
}

// The window itself, addressed by the empty name: its title, background and visibility.
class WindowSelf : public Control {
 public:
  WindowSelf(Form& form, const WindowRecord& window)
      : Control(form, ControlRecord{.bindings = window.bindings}, &form) {}

  Text caption() const override { return fromQString(widget()->windowTitle()); }
  void setCaption(const Text& text) override { widget()->setWindowTitle(toQString(text)); }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    SetBackground(widget(), colour);
  }
  void setVisible(bool visible) override {
    if (visible) {
      form().present();
    } else {
      widget()->hide();
    }
  }

 private:
  Colour background_ = form().record().background;
};

}  // namespace

Form::Form(WindowRecord record, std::shared_ptr<detail::WindowState> state)
    : record_(std::move(record)), state_(std::move(state)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(toQString(record_.name));
  setFont(ToQFont(Font{}));
  applyFlags();
  setWindowTitle(toQString(record_.title));
  const QImage icon = DecodePicture(record_.icon);
  if (!icon.isNull()) setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  SetBackground(this, record_.background);
  self_ = std::make_unique<WindowSelf>(*this, record_);
  addInputWidget(this, self_.get());
  state_->form = this;
  state_->open = true;
  NoteWindowCreated(state_);
}

Form::~Form() {
  state_->open = false;
  // No more events: the widgets below may still report focus changes while they go.
  inputOwners_.clear();
  // Widgets go before the controls that their signal connections point at.
  const QObjectList children = this->children();
  for (QObject* child : children) delete child;
  controls_.clear();
  NoteWindowDestroyed(state_);
}

void Form::applyFlags() {
  const int style = record_.borderStyle;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
  if (style == 3 || style == 4 || !record_.inTaskBar) flags |= Qt::Tool;
  if (style == 0) {
    flags |= Qt::FramelessWindowHint;
  } else {
    if (!record_.title.isEmpty() || record_.controlBox) flags |= Qt::WindowTitleHint;
    if (record_.controlBox) {
      flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (record_.minimiseBox) flags |= Qt::WindowMinimizeButtonHint;
      if (record_.maximiseBox) flags |= Qt::WindowMaximizeButtonHint;
    }
  }
  setWindowFlags(flags);
}

QSize Form::clientSizeForOuter() const {
  QMargins frame;
  if (const QWindow* window = windowHandle()) frame = window->frameMargins();
  return QSize(std::max(0, record_.width - frame.left() - frame.right()),
               std::max(0, record_.height - frame.top() - frame.bottom()));
}

void Form::refitToFrame() {
  const QSize client = clientSizeForOuter();
  if (IsResizable(record_.borderStyle)) {
    resize(client);
  } else {
    setFixedSize(client);
  }
}

void Form::placeOnScreen() {
  refitToFrame();
  if (record_.startPosition == 1) {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(record_.width / 2, record_.height / 2));
    }
  } else if (record_.startPosition == 0) {
    move(record_.left, record_.top);
  }
}

void Form::present() {
  const bool first = !placed_;
  if (first) {
    placeOnScreen();
    placed_ = true;
  }
  switch (record_.startPosition) {
    case 2:
      showMinimized();
      break;
    case 3:
      showMaximized();
      break;
    default:
      show();
      break;
  }
  if (first) {
    // The frame is known only once the window is mapped; fit the outer size to it then.
    QPointer<Form> guard(this);
    QTimer::singleShot(0, this, [guard] {
      if (guard && guard->size() != guard->clientSizeForOuter()) guard->placeOnScreen();
    });
  }
}

QWidget* Form::parentAreaFor(const ControlRecord& record, QPoint* origin) {
  *origin = {};
  if (record.parent.isEmpty()) return this;
  Control* parent = find(record.parent);
  if (!parent || !parent->widget()) return this;
  *origin = parent->childOrigin(record.page);
  return parent->childArea(record.page);
}

Control* Form::make(const ControlRecord& record) {
  QPoint origin;
  QWidget* area = parentAreaFor(record, &origin);
  std::unique_ptr<Control> control = MakeControl(*this, area, record);
  if (QWidget* widget = control->widget()) {
    widget->setObjectName(toQString(record.name));
    widget->setGeometry(origin.x() + record.left, origin.y() + record.top,
                        std::max(0, record.width), std::max(0, record.height));
    control->onPlaced();
    widget->setEnabled(!record.disabled);
    widget->setVisible(record.visible);
    addInputWidget(widget, control.get());
    for (QWidget* inner : control->inputWidgets()) addInputWidget(inner, control.get());
  }
  Control* made = control.get();
  byName_[record.name] = made;
  controls_.push_back(std::move(control));
  return made;
}

void Form::build(std::vector<ControlRecord> records) {
  // A parent is created before its children, whatever the record order.
  std::vector<Control*> made(records.size(), nullptr);
  auto isRecord = [&](const Text& name) {
    return std::any_of(records.begin(), records.end(),
                       [&](const ControlRecord& r) { return r.name == name; });
  };
  for (bool progress = true; progress;) {
    progress = false;
    for (size_t i = 0; i < records.size(); ++i) {
      const Text& parent = records[i].parent;
      const bool parentReady = parent.isEmpty() || find(parent) || !isRecord(parent);
      if (made[i] || !parentReady) continue;
      made[i] = make(records[i]);
      progress = true;
    }
  }
  // Parents that never came to be (records naming each other) leave their children on the
  // window itself.
  for (size_t i = 0; i < records.size(); ++i) {
    if (!made[i]) made[i] = make(records[i]);
  }
  // Earlier records lie above later siblings.
  for (auto it = made.rbegin(); it != made.rend(); ++it) {
    if ((*it)->widget()) (*it)->widget()->raise();
  }
}

Control* Form::find(const Text& name) const {
  if (name.isEmpty()) return self_.get();
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void Form::addInputWidget(QWidget* widget, Control* owner) {
  inputOwners_.insert(widget, owner);
  widget->installEventFilter(this);
  // Input stays with the control it reached, as it does with native child windows.
  if (widget != this) widget->setAttribute(Qt::WA_NoMousePropagation);
  if (owner->isBound(Event::MouseMoved)) widget->setMouseTracking(true);
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  const auto it = inputOwners_.constFind(watched);
  if (it == inputOwners_.constEnd()) return QWidget::eventFilter(watched, event);
  auto* receiver = static_cast<QWidget*>(watched);
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    // Keys travel up to the parents when unused; raise them once, for the control that had the
    // focus.
    QWidget* origin =
        QWidget::keyboardGrabber() ? QWidget::keyboardGrabber() : QApplication::focusWidget();
    while (origin && !inputOwners_.contains(origin)) origin = origin->parentWidget();
    if (origin && origin != receiver) return false;
  }
  RaiseCommonEvent(*it.value(), receiver, event);
  return false;
}

void Form::closeEvent(QCloseEvent* event) {
  if (self_->raise(Event::CloseQuery)) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Form::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape && record_.escCloses && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && defaultButton_ &&
      defaultButton_->isEnabled()) {
    defaultButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!HasClientEdge(record_.borderStyle)) return;
  QPainter painter(this);
  QStyleOptionFrame option;
  option.initFrom(this);
  option.lineWidth = 2;
  option.state |= QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
}

}  // namespace om
