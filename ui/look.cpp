#include "ui/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QWidget>

namespace om {

QColor FaceColour() {
  return QApplication::palette().color(QPalette::Window);
}

QColor ToQColor(Colour colour, const QColor& fallback) {
  return colour.isDefault ? fallback : QColor(colour.r, colour.g, colour.b);
}

Colour FromQColor(const QColor& colour) {
  return Colour::Rgb(colour.red(), colour.green(), colour.blue());
}

QString ChineseFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* preferred :
         {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "SimSun", "PingFang SC",
          "Source Han Sans SC", "AR PL UMing CN"}) {
      const QString name = QString::fromLatin1(preferred);
      if (installed.contains(name)) return name;
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    return chinese.isEmpty() ? QApplication::font().family() : chinese.first();
  }();
  return family;
}

QFont ToQFont(const Font& font) {
  QFont result(ChineseFamily());
  result.setPixelSize(font.height > 0 ? font.height : kDefaultFontHeight);
  result.setWeight(font.weight >= 600 ? QFont::Bold : QFont::Normal);
  result.setItalic(false);
  result.setUnderline(false);
  result.setStrikeOut(false);
  return result;
}

void SetBackground(QWidget* widget, Colour colour, QPalette::ColorRole role) {
  QPalette palette = widget->palette();
  palette.setColor(role, ToQColor(colour, FaceColour()));
  widget->setPalette(palette);
  widget->setAutoFillBackground(role == QPalette::Window);
}

void SetTextColour(QWidget* widget, Colour colour, QPalette::ColorRole role) {
  QPalette palette = widget->palette();
  palette.setColor(role, ToQColor(colour, Qt::black));
  widget->setPalette(palette);
}

int ApplyBorder(QFrame* frame, int borderStyle) {
  switch (borderStyle) {
    case kBorderSunken:
      frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      frame->setLineWidth(2);
      break;
    case kBorderRaised:
      frame->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
      frame->setLineWidth(2);
      break;
    case kBorderShallowSunken:
      frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      frame->setLineWidth(1);
      break;
    case kBorderSunkenInRaised:
      frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
      frame->setLineWidth(1);
      frame->setMidLineWidth(1);
      break;
    case kBorderSingleLine:
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setLineWidth(1);
      break;
    default:
      frame->setFrameStyle(QFrame::NoFrame);
      break;
  }
  return frame->frameWidth();
}

QImage DecodePicture(const ImageBytes& data) {
  if (data.empty()) return {};
  return QImage::fromData(reinterpret_cast<const uchar*>(data.data()),
                          static_cast<int>(data.size()));
}

Qt::Alignment ToQtAlign(int horizontal, int vertical) {
  Qt::Alignment flags = horizontal == kAlignCentre  ? Qt::AlignHCenter
                        : horizontal == kAlignRight ? Qt::AlignRight
                                                    : Qt::AlignLeft;
  flags |= vertical == kAlignTop      ? Qt::AlignTop
           : vertical == kAlignBottom ? Qt::AlignBottom
                                      : Qt::AlignVCenter;
  return flags;
}

}  // namespace om
