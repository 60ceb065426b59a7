#include "ui/window_snapshot.h"

#include <QImage>
#include <QRect>
#include <QWidget>

namespace om {
namespace {

bool PaintsSomething(QWidget* widget) {
  if (!widget || widget->width() <= 0 || widget->height() <= 0) return false;
  QImage image(widget->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  // Inside a frame's border only: a border alone is no picture.
  const QRect area = widget->contentsRect().intersected(image.rect());
  if (area.isEmpty()) return false;
  const QRgb first = image.pixel(area.topLeft());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) != first) return true;
  return false;
}

void ReadList(const ControlRef& control, const ListViewProps& props, ControlSnapshot& out) {
  for (const ListColumn& column : props.columns) out.columns.push_back(column.caption);
  const int rows = control.rowCount();
  const int columns = static_cast<int>(props.columns.size());
  for (int row = 0; row < rows; ++row) {
    std::vector<Text> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(control.cellText(row, column));
    out.rows.push_back(std::move(cells));
  }
}

ControlSnapshot ReadControl(const WindowRef& window, const ControlRecord& record) {
  ControlSnapshot out;
  out.name = record.name;
  out.kind = record.kind();
  out.parent = record.parent;
  out.page = record.page;
  const ControlRef control = window.control(record.name);
  out.visible = control.isVisible();
  if (QWidget* widget = control.widget()) {
    out.width = widget->width();
    out.height = widget->height();
  }
  switch (out.kind) {
    case ControlKind::EditBox:
    case ControlKind::Label:
    case ControlKind::TransLabel:
    case ControlKind::Button:
    case ControlKind::GroupBox:
      out.caption = control.caption();
      break;
    case ControlKind::ComboBox:
      out.currentIndex = control.currentIndex();
      out.currentText = control.currentText();
      break;
    case ControlKind::ListView:
      ReadList(control, std::get<ListViewProps>(record.props), out);
      break;
    case ControlKind::PicBox:
      out.hasPicture = PaintsSomething(control.widget());
      break;
    case ControlKind::PageControl:
      out.currentPage = control.currentPage();
      break;
    case ControlKind::Timer:
      out.interval = control.interval();
      break;
    default:
      break;
  }
  return out;
}

}  // namespace

const char* ControlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Window:
      return "Window";
    case ControlKind::EditBox:
      return "EditBox";
    case ControlKind::Label:
      return "Label";
    case ControlKind::TransLabel:
      return "TransLabel";
    case ControlKind::Button:
      return "Button";
    case ControlKind::ComboBox:
      return "ComboBox";
    case ControlKind::PicBox:
      return "PicBox";
    case ControlKind::ShapeBox:
      return "ShapeBox";
    case ControlKind::GroupBox:
      return "GroupBox";
    case ControlKind::Timer:
      return "Timer";
    case ControlKind::ListView:
      return "ListView";
    case ControlKind::PageControl:
      return "PageControl";
    case ControlKind::SplitterBar:
      return "SplitterBar";
  }
  return "";
}

WindowSnapshot SnapshotWindow(const WindowRef& window, const WindowDescription& description) {
  WindowSnapshot snapshot;
  snapshot.name = description.window.name;
  snapshot.open = window.isOpen();
  if (!snapshot.open) return snapshot;
  snapshot.title = window.self().caption();
  for (const ControlRecord& record : description.controls)
    snapshot.controls.push_back(ReadControl(window, record));
  return snapshot;
}

}  // namespace om
