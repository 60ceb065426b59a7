#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/text.h"
#include "ui/colour_font.h"

class QImage;
class QWidget;

namespace om {

// Image file data (PNG or JPEG) as bytes.
using ImageBytes = std::string;

namespace detail {
struct WindowState;
}

class ControlRef;

// A handle to an open window. Cheap to copy and safe to keep after the window is gone: every
// operation on a closed window is dropped (setters) or answers an empty value (getters).
//
// Threads: every operation may be called from any thread. On the window thread it is applied at
// once. From another thread a change travels to the window thread through one queued path and is
// applied there, in the order the calling thread made its changes; a read from another thread
// waits for the window thread to answer (a blocking hop, never a nested event loop).
class WindowRef {
 public:
  WindowRef() = default;
  explicit WindowRef(std::shared_ptr<detail::WindowState> state) : state_(std::move(state)) {}

  // True while the window exists.
  bool isOpen() const;
  // The name of the window's description (for example "MainWindow").
  Text name() const;

  // A control of this window by its name; the window itself when the name is empty.
  ControlRef control(const Text& name) const;
  ControlRef self() const;

  // Shows or hides the window.
  void show() const;
  void hide() const;
  // Asks the window to close, as its close box does (CloseQuery decides).
  void requestClose() const;

  // The window's top-level widget; only on the window thread, null once the window is gone.
  QWidget* widget() const;

  friend bool operator==(const WindowRef& a, const WindowRef& b) { return a.state_ == b.state_; }

 private:
  friend class ControlRef;
  std::shared_ptr<detail::WindowState> state_;
};

// A handle to one control of an open window, addressed by name. Operations that do not apply to
// the control's kind do nothing (setters) or answer an empty value (getters); so does every
// operation on a control that does not exist.
class ControlRef {
 public:
  ControlRef() = default;
  ControlRef(std::shared_ptr<detail::WindowState> state, Text name)
      : state_(std::move(state)), name_(std::move(name)) {}

  const Text& name() const { return name_; }
  WindowRef window() const { return WindowRef(state_); }
  bool exists() const;

  // Caption or text: window title, label and button captions, edit box text, group box title,
  // combo box edit text.
  void setCaption(const Text& text) const;
  Text caption() const;

  void setTextColour(Colour colour) const;
  Colour textColour() const;
  // Background colour (for a splitter bar its face colour, for a list its list background).
  void setBackColour(Colour colour) const;
  Colour backColour() const;

  void setVisible(bool visible) const;
  bool isVisible() const;

  // Timer: 0 or negative stops it; positive (re)starts it with that interval.
  void setInterval(int milliseconds) const;
  int interval() const;

  // ComboBox: 0-based item index, -1 none.
  void setCurrentIndex(int index) const;
  int currentIndex() const;
  Text currentText() const;

  // ListView rows. Rows and columns count from 0.
  void addRow(std::vector<Text> cells) const;
  void setCell(int row, int column, const Text& text) const;
  // Small image of a row (index into the list's small images, -1 none).
  void setRowImage(int row, int imageIndex) const;
  void clearRows() const;
  int rowCount() const;
  int focusedRow() const;
  Text cellText(int row, int column) const;

  // PicBox picture from image file data or from an image; empty data removes the picture.
  void setPicture(ImageBytes data) const;
  void setPicture(const QImage& image) const;

  // PageControl: 0-based page index.
  void setCurrentPage(int page) const;
  int currentPage() const;

  // The control's widget; only on the window thread, null for timers and missing controls.
  QWidget* widget() const;

 private:
  std::shared_ptr<detail::WindowState> state_;
  Text name_;
};

}  // namespace om
