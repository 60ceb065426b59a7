#include <QGroupBox>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

// A frame with a title that holds other controls.
class GroupBox : public Control {
 public:
  GroupBox(Form& form, QWidget* parent, const ControlRecord& record, const GroupBoxProps& props)
      : Control(form, record, new QGroupBox(parent)),
        textColour_(props.textColour),
        background_(props.background) {
    QGroupBox* box = group();
    box->setTitle(toQString(props.title));
    box->setAlignment(ToQtAlign(props.titleAlign, kAlignTop) & Qt::AlignHorizontal_Mask);
    box->setFont(ToQFont(props.font));
    box->setFocusPolicy(Qt::NoFocus);
    SetTextColour(box, textColour_);
    SetBackground(box, background_);
  }

  Text caption() const override { return fromQString(group()->title()); }
  void setCaption(const Text& caption) override { group()->setTitle(toQString(caption)); }
  Colour textColour() const override { return textColour_; }
  void setTextColour(Colour colour) override {
    textColour_ = colour;
    SetTextColour(group(), colour);
  }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    SetBackground(group(), colour);
  }

 private:
  QGroupBox* group() const { return static_cast<QGroupBox*>(widget()); }

  Colour textColour_;
  Colour background_;
};

}  // namespace

std::unique_ptr<Control> MakeGroupBox(Form& form, QWidget* parent, const ControlRecord& record,
                                      const GroupBoxProps& props) {
  return std::make_unique<GroupBox>(form, parent, record, props);
}

}  // namespace om
