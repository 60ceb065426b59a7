#include <QLineEdit>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

class EditBox : public Control {
 public:
  EditBox(Form& form, QWidget* parent, const ControlRecord& record, const EditBoxProps& props)
      : Control(form, record, new QLineEdit(parent)),
        textColour_(props.textColour),
        background_(props.background) {
    QLineEdit* edit = line();
    edit->setText(toQString(props.text));
    edit->setFrame(props.borderStyle != kBorderNone);
    edit->setFont(ToQFont(props.font));
    if (props.maxLength > 0) edit->setMaxLength(props.maxLength);
    edit->setAlignment(ToQtAlign(props.align, kAlignMiddle));
    edit->setReadOnly(props.readOnly);
    if (props.password) edit->setEchoMode(QLineEdit::Password);
    edit->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    applyColours();
  }

  Text caption() const override { return fromQString(line()->text()); }
  void setCaption(const Text& text) override { line()->setText(toQString(text)); }
  Colour textColour() const override { return textColour_; }
  void setTextColour(Colour colour) override {
    textColour_ = colour;
    applyColours();
  }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    applyColours();
  }

 private:
  QLineEdit* line() const { return static_cast<QLineEdit*>(widget()); }
  void applyColours() {
    QPalette palette = line()->palette();
    palette.setColor(QPalette::Text, ToQColor(textColour_, Qt::black));
    palette.setColor(QPalette::Base, ToQColor(background_, FaceColour()));
    line()->setPalette(palette);
  }

  Colour textColour_;
  Colour background_;
};

}  // namespace

std::unique_ptr<Control> MakeEditBox(Form& form, QWidget* parent, const ControlRecord& record,
                                     const EditBoxProps& props) {
  return std::make_unique<EditBox>(form, parent, record, props);
}

}  // namespace om
