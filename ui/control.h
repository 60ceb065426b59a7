#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "ui/description.h"

class QWidget;

namespace om {

class Form;

// One control of an open window: its record, its widget and the operations that handlers and
// workers use at run time. Each kind overrides the operations that apply to it; the others do
// nothing or answer an empty value. Lives on the window thread, owned by its Form.
class Control {
 public:
  Control(Form& form, ControlRecord record, QWidget* widget);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const Text& name() const { return record_.name; }
  ControlKind kind() const { return record_.kind(); }
  const ControlRecord& record() const { return record_; }
  QWidget* widget() const { return widget_; }
  Form& form() const { return form_; }

  // Containers: the widget that holds the children of a page (the page is ignored by all kinds
  // but PageControl) and where the children's coordinate origin lies inside it.
  virtual QWidget* childArea(int page);
  virtual QPoint childOrigin(int page) const;
  // Widgets inside this control that receive input themselves (a list's viewport, a combo box's
  // edit field, a page control's tab bar); their input counts as the control's.
  virtual std::vector<QWidget*> inputWidgets() const { return {}; }
  // Called once the widget has its designed geometry.
  virtual void onPlaced() {}

  virtual Text caption() const { return {}; }
  virtual void setCaption(const Text&) {}
  virtual Colour textColour() const { return {}; }
  virtual void setTextColour(Colour) {}
  virtual Colour backColour() const { return {}; }
  virtual void setBackColour(Colour) {}
  virtual void setVisible(bool visible);
  virtual bool isVisible() const;

  virtual void setInterval(int) {}
  virtual int interval() const { return 0; }

  virtual void setCurrentIndex(int) {}
  virtual int currentIndex() const { return -1; }
  virtual Text currentText() const { return {}; }

  virtual void addRow(std::vector<Text>) {}
  virtual void setCell(int, int, const Text&) {}
  virtual void setRowImage(int, int) {}
  virtual void clearRows() {}
  virtual int rowCount() const { return 0; }
  virtual int focusedRow() const { return -1; }
  virtual Text cellText(int, int) const { return {}; }

  virtual void setPicture(const QImage&) {}

  virtual void setCurrentPage(int) {}
  virtual int currentPage() const { return -1; }

  // Raises an event of this control: fills in the window, the control and the event and calls
  // the bound handlers. Returns false only when a handler answered false.
  bool raise(Event event, EventArgs args = {});
  bool isBound(Event event) const;

 protected:
  // For kinds whose widget is made after the base (it needs members of the kind).
  void setWidget(QWidget* widget) { widget_ = widget; }

 private:
  Form& form_;
  ControlRecord record_;
  QWidget* widget_;
};

}  // namespace om
