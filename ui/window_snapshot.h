#pragma once

#include <vector>

#include "app/text.h"
#include "ui/description.h"

namespace om {

// What one control of an open window shows right now. Only the members of its kind are set.
struct ControlSnapshot {
  Text name;
  ControlKind kind = ControlKind::Label;
  Text parent;
  int page = 0;  // for a child of a page control
  bool visible = false;
  Text caption;                         // labels, buttons, edit boxes, group boxes
  int currentIndex = -1;                // combo box
  Text currentText;                     // combo box
  std::vector<Text> columns;            // list: column captions
  std::vector<std::vector<Text>> rows;  // list: cell texts, row by row
  bool hasPicture = false;              // picture box: something is drawn over its background
  int width = 0;                        // the control's size
  int height = 0;
  int currentPage = -1;  // page control
  int interval = 0;      // timer
};

struct WindowSnapshot {
  Text name;
  Text title;
  bool open = false;
  std::vector<ControlSnapshot> controls;  // in the description's order
};

// Reads every control that `description` names from the open window. Read-only; window
// thread. A picture box counts as holding a picture when its own painting inside its border
// (background and picture, without child controls) is not one plain colour.
WindowSnapshot SnapshotWindow(const WindowRef& window, const WindowDescription& description);

// The kind's name as the control layer spells it ("TransLabel", "ListView", ...).
const char* ControlKindName(ControlKind kind);

}  // namespace om
