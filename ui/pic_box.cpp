#include <QFrame>
#include <QImage>
#include <QPainter>

#include "ui/kinds.h"
#include "ui/look.h"
#include "ui/picture_layout.h"

namespace om {

QRect PictureRect(QSize picture, QRect area, int displayMode) {
  if (displayMode == 1) return area;
  if (displayMode != 2) return QRect(area.topLeft(), picture);
  QSize size = picture;
  if (size.width() > area.width() || size.height() > area.height()) {
    size = picture.scaled(area.size(), Qt::KeepAspectRatio);
  }
  const QPoint topLeft(area.left() + (area.width() - size.width()) / 2,
                       area.top() + (area.height() - size.height()) / 2);
  return QRect(topLeft, size);
}

namespace {

// Shows one picture over its background colour and holds other controls.
class PictureFrame : public QFrame {
 public:
  PictureFrame(QWidget* parent, int displayMode) : QFrame(parent), mode_(displayMode) {}

  void setPicture(const QImage& picture) {
    picture_ = picture;
    update();
  }
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PictureRect(picture_.size(), area, mode_), picture_);
  }

 private:
  int mode_;
  QImage picture_;
};

class PicBox : public Control {
 public:
  PicBox(Form& form, QWidget* parent, const ControlRecord& record, const PicBoxProps& props)
      : Control(form, record, new PictureFrame(parent, props.displayMode)),
        background_(props.background) {
    border_ = ApplyBorder(frame(), props.borderStyle);
    frame()->setFocusPolicy(Qt::NoFocus);
    SetBackground(frame(), background_);
    frame()->setPicture(DecodePicture(props.picture));
  }

  QPoint childOrigin(int) const override { return QPoint(border_, border_); }
  Colour backColour() const override { return background_; }
  void setBackColour(Colour colour) override {
    background_ = colour;
    SetBackground(frame(), colour);
  }
  void setPicture(const QImage& picture) override { frame()->setPicture(picture); }

 private:
  PictureFrame* frame() const { return static_cast<PictureFrame*>(widget()); }

  Colour background_;
  int border_ = 0;
};

}  // namespace

std::unique_ptr<Control> MakePicBox(Form& form, QWidget* parent, const ControlRecord& record,
                                    const PicBoxProps& props) {
  return std::make_unique<PicBox>(form, parent, record, props);
}

}  // namespace om
