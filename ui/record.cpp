#include "ui/record.h"

#include <utility>

namespace om {

ControlRecord Place(const char* name, const char* parent, int left, int top, int width, int height,
                    ControlProps props, int page) {
  ControlRecord record;
  record.name = T(name);
  record.parent = T(parent);
  record.page = page;
  record.left = left;
  record.top = top;
  record.width = width;
  record.height = height;
  record.props = std::move(props);
  const ControlKind kind = record.kind();
  record.tabStop = kind == ControlKind::EditBox || kind == ControlKind::Button ||
                   kind == ControlKind::ComboBox || kind == ControlKind::ListView ||
                   kind == ControlKind::SplitterBar;
  record.visible = kind != ControlKind::Timer;
  return record;
}

}  // namespace om
