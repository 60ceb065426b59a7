#include "ui/info_window.h"

#include "ui/artwork.h"
#include "ui/record.h"

namespace om {
namespace {

ControlRecord InGroup(const char* name, int left, int top, int width, int height,
                      const char* caption, Font font) {
  TransLabelProps props;
  props.caption = T(caption);
  props.font = font;
  return Place(name, "分组框1", left, top, width, height, props);
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

  GroupBoxProps frame;
  frame.title = T("自愿赞赏");
  frame.titleAlign = kAlignCentre;
  frame.font = Font::Pixels(14);
  description.controls.push_back(Place("分组框1", "", 4, 14, 224, 184, frame));
  description.controls.push_back(
      InGroup("透明标签1", 77, 56, 75, 32, "武汉加油！", Font::Pixels(14)));
  description.controls.push_back(
      InGroup("透明标签2", 65, 112, 111, 32, "支持作者不再犹豫", Font{}));
  description.controls.push_back(
      InGroup("透明标签3", 155, 152, 56, 32, "BY:Korsa", Font::Pixels(14)));

  PicBoxProps picture;
  picture.picture = Artwork("info_picture.jpg");
  picture.displayMode = 2;
  description.controls.push_back(Place("图片框2", "", 237, 8, 240, 248, picture));
  return description;
}

WindowRef ShowInfoWindow() {
  WindowRef open = FindWindow(T("InfoWindow"));
  if (!open.isOpen()) open = OpenWindow(InfoWindowDescription());
  open.show();
  return open;
}

}  // namespace om
