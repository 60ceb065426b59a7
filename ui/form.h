#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "ui/control.h"
#include "ui/description.h"
#include "ui/window_state.h"

#include <QPushButton>

namespace om {

// The top-level widget of one open window: applies the window record (frame, boxes, outer
// size, start position), owns the window's controls, routes input to their events, and
// implements closing through CloseQuery, Esc-closes and the default button.
class Form : public QWidget {
 public:
  Form(WindowRecord record, std::shared_ptr<detail::WindowState> state);
  ~Form() override;

  // Creates the controls from their records, each inside its parent, stacked in record order.
  void build(std::vector<ControlRecord> records);

  // The control of that name; the window itself for the empty name; null when there is none.
  Control* find(const Text& name) const;
  Control& self() const { return *self_; }
  WindowRef ref() const { return WindowRef(state_); }
  const WindowRecord& record() const { return record_; }

  // Shows the window as its start position says, placing it on the screen the first time.
  void present();
  // The client size that gives the record's outer size with the frame margins the platform
  // reports now (zero before the window is mapped, or on platforms without frames).
  QSize clientSizeForOuter() const;

  // Called by controls while they are built.
  void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
  void addInputWidget(QWidget* widget, Control* owner);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applyFlags();
  void placeOnScreen();
  void refitToFrame();
  QWidget* parentAreaFor(const ControlRecord& record, QPoint* origin);
  Control* make(const ControlRecord& record);

  WindowRecord record_;
  std::shared_ptr<detail::WindowState> state_;
  std::unique_ptr<Control> self_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<Text, Control*> byName_;
  QHash<const QObject*, Control*> inputOwners_;
  QPointer<QPushButton> defaultButton_;
  bool placed_ = false;
};

}  // namespace om
