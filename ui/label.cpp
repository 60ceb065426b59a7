#include <QLabel>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

// An opaque static text.
class Label : public Control {
 public:
  Label(Form& form, QWidget* parent, const ControlRecord& record, const LabelProps& props)
      : Control(form, record, new QLabel(parent)),
        textColour_(props.textColour),
        background_(props.background) {
    QLabel* label = text();
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(props.caption));
    label->setFont(ToQFont(props.font));
    label->setAlignment(ToQtAlign(props.align, props.valign));
    label->setWordWrap(props.wordWrap);
    label->setFocusPolicy(Qt::NoFocus);
    SetTextColour(label, textColour_);
    SetBackground(label, background_);
  }

  Text caption() const override { return fromQString(text()->text()); }
  void setCaption(const Text& caption) override { text()->setText(toQString(caption)); }
  Colour textColour() const override { return textColour_; }
  void setTextColour(Colour colour) override {
    textColour_ = colour;
    SetTextColour(text(), colour);
  }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    SetBackground(text(), colour);
  }

 private:
  QLabel* text() const { return static_cast<QLabel*>(widget()); }

  Colour textColour_;
  Colour background_;
};

}  // namespace

std::unique_ptr<Control> MakeLabel(Form& form, QWidget* parent, const ControlRecord& record,
                                   const LabelProps& props) {
  return std::make_unique<Label>(form, parent, record, props);
}

}  // namespace om
