#pragma once

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/description.h"

namespace om::test {

// The one application object of the test program (offscreen platform).
QApplication& App();

// A control record of a kind, at a place, under a parent.
ControlRecord Record(const char* name, ControlProps props, QRect geometry, const char* parent = "");

// A window record: fixed frame, centred, given outer size.
WindowRecord Window(const char* name, int width, int height);

// An open window that is destroyed when the test leaves its scope, passed or failed, so that
// no handler outlives the test's variables.
class Shown : public WindowRef {
 public:
  explicit Shown(WindowRef window) : WindowRef(std::move(window)) {}
  ~Shown();
  Shown(const Shown&) = delete;
  Shown& operator=(const Shown&) = delete;
};

// Opens the description, shows it and waits until it is exposed and active.
Shown OpenShown(WindowDescription description);
// The named child widget of an open window.
QWidget* Widget(const WindowRef& window, const char* name);
// Closes the window without asking and lets Qt delete it.
void Destroy(const WindowRef& window);

// Runs the event loop until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000);

// What the window shows on the (offscreen) screen, from its backing store.
QImage ScreenImage(const WindowRef& window);

// A solid-colour PNG of the given size, as file data.
ImageBytes SolidPng(QSize size, QColor colour);

}  // namespace om::test
