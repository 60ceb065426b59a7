#pragma once

#include <functional>

class QWidget;

namespace om {

// Runs `then` on the window thread once `widget` has finished its first paint (the paint event
// itself and the painting of its children that the same update makes). For measuring the time
// from process start to a drawn window.
void AfterFirstPaint(QWidget* widget, std::function<void()> then);

}  // namespace om
