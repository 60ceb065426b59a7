#include <QPainter>
#include <QTextLayout>
#include <QWidget>

#include "data/qt_text.h"
#include "ui/kinds.h"
#include "ui/look.h"

namespace om {

namespace {

// Text drawn without a background: whatever lies beneath (the parent's picture) shows through.
class TransparentText : public QWidget {
 public:
  TransparentText(QWidget* parent, const TransLabelProps& props)
      : QWidget(parent), props_(props), colour_(ToQColor(props.textColour, Qt::black)) {
    setAutoFillBackground(false);
    setFont(ToQFont(props.font));
    setFocusPolicy(Qt::NoFocus);
  }

  const QString& text() const { return text_; }
  void setText(const QString& text) {
    text_ = text;
    // What lies beneath is drawn again first, so no trace of a longer old caption remains.
    if (parentWidget()) parentWidget()->update(geometry());
    update();
  }
  void setColour(const QColor& colour) {
    colour_ = colour;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(colour_);
    painter.setFont(font());
    if (props_.wordWrap) {
      drawWrapped(painter);
    } else {
      painter.drawText(rect(), ToQtAlign(props_.align, props_.valign) | Qt::TextSingleLine, text_);
    }
  }

 private:
  // Lines are as far apart as the character height plus one pixel, as the classic text
  // renderer sets them; the CJK face's own, looser line spacing would push the last
  // paragraphs of a long caption out of its box.
  void drawWrapped(QPainter& painter) const {
    const int charHeight = props_.font.isDefault() ? kDefaultFontHeight : props_.font.height;
    const qreal lineHeight = charHeight + 1;
    const QFontMetricsF metrics(font());
    const qreal baselineOffset = (lineHeight + metrics.ascent() - metrics.descent()) / 2;
    QTextOption option(ToQtAlign(props_.align, kAlignTop));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QString all = text_;
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    qreal y = 0;
    for (const QString& paragraph : all.split(QLatin1Char('\n'))) {
      if (paragraph.isEmpty()) {
        y += lineHeight;
        continue;
      }
      QTextLayout layout(paragraph, font());
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, y + baselineOffset - line.ascent()));
        y += lineHeight;
      }
      layout.endLayout();
      layout.draw(&painter, QPointF(0, 0));
      if (y > height()) break;
    }
  }

  TransLabelProps props_;
  QColor colour_;
  QString text_;
};

class TransLabel : public Control {
 public:
  TransLabel(Form& form, QWidget* parent, const ControlRecord& record, const TransLabelProps& props)
      : Control(form, record, new TransparentText(parent, props)), textColour_(props.textColour) {
    label()->setText(toQString(props.caption));
    // A hint drawn over other controls (list rows) lets their clicks through unless the label
    // itself has a mouse handler.
    const bool wantsMouse = isBound(Event::LeftButtonDown) || isBound(Event::LeftButtonUp) ||
                            isBound(Event::DoubleClicked) || isBound(Event::RightButtonDown) ||
                            isBound(Event::RightButtonUp) || isBound(Event::MouseMoved) ||
                            isBound(Event::WheelScrolled);
    label()->setAttribute(Qt::WA_TransparentForMouseEvents, !wantsMouse);
  }

  Text caption() const override { return fromQString(label()->text()); }
  void setCaption(const Text& caption) override { label()->setText(toQString(caption)); }
  Colour textColour() const override { return textColour_; }
  void setTextColour(Colour colour) override {
    textColour_ = colour;
    label()->setColour(ToQColor(colour, Qt::black));
  }

 private:
  TransparentText* label() const { return static_cast<TransparentText*>(widget()); }

  Colour textColour_;
};

}  // namespace

std::unique_ptr<Control> MakeTransLabel(Form& form, QWidget* parent, const ControlRecord& record,
                                        const TransLabelProps& props) {
  return std::make_unique<TransLabel>(form, parent, record, props);
}

}  // namespace om
