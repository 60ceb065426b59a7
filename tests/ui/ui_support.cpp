#include "tests/ui/ui_support.h"

#include <QBuffer>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace om::test {

QApplication& App() {
  static int argc = 1;
  static char name[] = "om_ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

ControlRecord Record(const char* name, ControlProps props, QRect geometry, const char* parent) {
  ControlRecord record;
  record.name = T(name);
  record.parent = T(parent);
  record.left = geometry.x();
  record.top = geometry.y();
  record.width = geometry.width();
  record.height = geometry.height();
  record.props = std::move(props);
  return record;
}

WindowRecord Window(const char* name, int width, int height) {
  WindowRecord window;
  window.name = T(name);
  window.title = T(name);
  window.width = width;
  window.height = height;
  return window;
}

Shown::~Shown() {
  Destroy(*this);
}

Shown OpenShown(WindowDescription description) {
  App();
  description.window.visible = true;
  WindowRef window = OpenWindow(std::move(description));
  QWidget* widget = window.widget();
  widget->activateWindow();
  QApplication::setActiveWindow(widget);
  (void)QTest::qWaitForWindowExposed(widget);
  (void)QTest::qWaitForWindowActive(widget);
  return Shown(window);
}

QWidget* Widget(const WindowRef& window, const char* name) {
  QWidget* form = window.widget();
  if (!form) return nullptr;
  return form->findChild<QWidget*>(QString::fromUtf8(name));
}

void Destroy(const WindowRef& window) {
  if (QWidget* widget = window.widget()) delete widget;
  QCoreApplication::processEvents();
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  return QTest::qWaitFor(condition, milliseconds);
}

QImage ScreenImage(const WindowRef& window) {
  QWidget* widget = window.widget();
  QCoreApplication::processEvents();
  return widget->screen()
      ->grabWindow(widget->winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

ImageBytes SolidPng(QSize size, QColor colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return ImageBytes(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace om::test
