#include <QPushButton>

#include "data/qt_text.h"
#include "ui/form.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

QString AlignmentSheet(int align) {
  if (align == kAlignLeft) return QStringLiteral("text-align: left;");
  if (align == kAlignRight) return QStringLiteral("text-align: right;");
  return {};
}

class Button : public Control {
 public:
  Button(Form& form, QWidget* parent, const ControlRecord& record, const ButtonProps& props)
      : Control(form, record, new QPushButton(parent)) {
    QPushButton* button = push();
    button->setText(toQString(props.caption));
    button->setFont(ToQFont(props.font));
    // Enter must click only the window's default button, never the focused ordinary one.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(record.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    const QString sheet = AlignmentSheet(props.align);
    if (!sheet.isEmpty()) button->setStyleSheet(sheet);
    if (props.buttonKind == 1) form.setDefaultButton(button);
    QObject::connect(button, &QPushButton::clicked, button, [this] { raise(Event::Clicked); });
  }

  Text caption() const override { return fromQString(push()->text()); }
  void setCaption(const Text& caption) override { push()->setText(toQString(caption)); }

 private:
  QPushButton* push() const { return static_cast<QPushButton*>(widget()); }
};

}  // namespace

std::unique_ptr<Control> MakeButton(Form& form, QWidget* parent, const ControlRecord& record,
                                    const ButtonProps& props) {
  return std::make_unique<Button>(form, parent, record, props);
}

}  // namespace om
