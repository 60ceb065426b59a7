#include "ui/info_window.h"

#include "ui/artwork.h"

namespace om {
namespace {

ControlRecord InGroup(const char* name, int left, int top, int width, int height,
                      const char* caption, Font font) {
  ControlRecord record;
  record.name = T(name);
  record.parent = T("分组框1");
  record.left = left;
  record.top = top;
  record.width = width;
  record.height = height;
  TransLabelProps props;
  props.caption = T(caption);
  props.font = font;
  record.props = props;
  return record;
}

}  // namespace

WindowDescription InfoWindowDescription() {
  WindowDescription description;
  WindowRecord& window = description.window;
  window.name = T("InfoWindow");
  window.title = T("BY：Korsa");
  window.left = 50;
  window.top = 50;
  window.width = 476;
  window.height = 242;
  window.icon = Artwork("app_icon.ico");
  window.visible = false;
  window.bindings.emplace_back(Event::Created, [] {});

  ControlRecord group;
  group.name = T("分组框1");
  group.left = 4;
  group.top = 14;
  group.width = 224;
  group.height = 184;
  GroupBoxProps frame;
  frame.title = T("自愿赞赏");
  frame.titleAlign = kAlignCentre;
  frame.font = Font::Pixels(14);
  group.props = frame;
  description.controls.push_back(group);
  description.controls.push_back(
      InGroup("透明标签1", 77, 56, 75, 32, "武汉加油！", Font::Pixels(14)));
  description.controls.push_back(
      InGroup("透明标签2", 65, 112, 111, 32, "支持作者不再犹豫", Font{}));
  description.controls.push_back(
      InGroup("透明标签3", 155, 152, 56, 32, "BY:Korsa", Font::Pixels(14)));

  ControlRecord picture;
  picture.name = T("图片框2");
  picture.left = 237;
  picture.top = 8;
  picture.width = 240;
  picture.height = 248;
  PicBoxProps props;
  props.picture = Artwork("info_picture.jpg");
  props.displayMode = 2;
  picture.props = props;
  description.controls.push_back(picture);
  return description;
}

WindowRef ShowInfoWindow() {
  WindowRef open = FindWindow(T("InfoWindow"));
  if (!open.isOpen()) open = OpenWindow(InfoWindowDescription());
  open.show();
  return open;
}

}  // namespace om
