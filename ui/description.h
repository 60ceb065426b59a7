#pragma once

#include <string>
#include <variant>
#include <vector>

#include "app/text.h"
#include "ui/colour_font.h"
#include "ui/events.h"
#include "ui/window_ref.h"

namespace om {

// A window is described as data: a window record and an ordered list of control records,
// created together. Every member has the kind's default as its initialiser, so a description
// lists only what differs.

struct WindowRecord {
  Text name{};  // the description's name, for example "MainWindow"
  Text title{};
  int left = 0;
  int top = 0;
  int width = 0;  // outer size, frame and title bar included
  int height = 0;
  // 0 no frame or title bar; 1 resizable; 2 fixed; 3 resizable tool window; 4 fixed tool window;
  // 5 resizable with sunken client edge; 6 fixed with sunken client edge.
  int borderStyle = 2;
  bool controlBox = true;
  bool minimiseBox = true;
  bool maximiseBox = false;
  // 0 at left/top; 1 centred on the screen; 2 minimised; 3 maximised.
  int startPosition = 1;
  bool movable = true;
  bool escCloses = true;
  bool inTaskBar = true;
  ImageBytes icon;  // icon file data (ICO, PNG); empty for none
  Colour background{};
  bool visible = true;
  std::vector<Binding> bindings{};  // Created, CloseQuery and the common events
};

struct EditBoxProps {
  Text text{};
  int borderStyle = kBorderSunken;
  Colour textColour = kBlack;
  Colour background = kWhite;
  Font font{};
  int maxLength = 0;  // 0: no limit
  int align = kAlignLeft;
  bool readOnly = false;
  bool password = false;
};

struct LabelProps {
  Text caption = T("标签");
  Colour textColour = kBlack;
  Colour background{};
  Font font{};
  int align = kAlignLeft;
  int valign = kAlignMiddle;
  bool wordWrap = false;
  int borderStyle = kBorderNone;
};

struct TransLabelProps {
  Text caption = T("透明标签");
  Colour textColour = kBlack;
  Font font{};
  int align = kAlignLeft;
  int valign = kAlignMiddle;  // single-line text only
  bool wordWrap = false;      // several lines, broken at word boundaries, from the top
  int textEffect = 0;         // 0 plain
};

struct ButtonProps {
  Text caption = T("按钮");
  int buttonKind = 0;  // 0 ordinary; 1 default button: Enter anywhere in the window clicks it
  int align = kAlignCentre;
  int valign = kAlignMiddle;
  Font font{};
};

struct ComboBoxProps {
  // 0 list always shown, editable; 1 drop-down, editable; 2 drop-down, not editable.
  int type = 1;
  std::vector<Text> items{};
  int currentIndex = -1;
  bool sorted = false;
  int rowSpacing = 1;  // extra pixels added to each list row's height
  Colour textColour = kBlack;
  Colour background = kWhite;
  Font font{};
};

struct PicBoxProps {
  ImageBytes picture{};  // PNG or JPEG file data; empty for none
  // 0 top left, natural size; 1 stretched to fill; 2 centred, scaled down to fit if needed.
  int displayMode = 0;
  int borderStyle = kBorderNone;
  Colour background{};
};

struct ShapeBoxProps {
  Colour background{};
  // 0 rectangle; 1 square; 2 ellipse; 3 circle; 4 rounded rectangle; 5 rounded square;
  // 6 horizontal line; 7 vertical line.
  int shape = 0;
  int relief = 0;     // 0 flat; 1 sunken; 2 raised
  int lineStyle = 1;  // 0 none; 1 solid; 2 dash; 3 dot; 4 dash-dot; 5 dash-dot-dot
  int lineWidth = 1;  // flat solid outline only
  Colour lineColour = kBlack;
  Colour fillColour{};  // default: not filled
};

struct GroupBoxProps {
  Text title{};
  int titleAlign = kAlignLeft;
  Colour textColour = kBlack;
  Colour background{};
  Font font{};
};

struct TimerProps {
  int interval = 0;  // milliseconds; 0 (or negative) stopped
};

struct ListColumn {
  Text caption{};
  int width = 50;
  int align = kAlignLeft;
};

struct ListViewProps {
  int view = 0;  // 0 large icons, 1 small icons, 2 list, 3 report
  std::vector<ListColumn> columns{};
  int borderStyle = kBorderSunken;
  Colour textColour = kBlack;
  Colour textBackground = kWhite;
  Colour listBackground = kWhite;
  Font font{};
  bool fullRowSelect = false;
  bool gridLines = false;
  bool clickableHeader = true;
  bool singleSelection = true;
  std::vector<ImageBytes> smallImages{};  // 16 by 16 images, indexed from 0
};

struct PageControlProps {
  std::vector<Text> pages{};  // captions; leading and trailing blanks are kept
  int currentPage = 0;
  Font captionFont{};
  int headerHeight = 20;  // at least the caption font's height
};

struct SplitterBarProps {
  Colour colour{};
  int orientation = 0;  // 0 horizontal (dragged up and down), 1 vertical (left and right)
};

// The kind of a control follows from its properties' alternative.
using ControlProps = std::variant<EditBoxProps, LabelProps, TransLabelProps, ButtonProps,
                                  ComboBoxProps, PicBoxProps, ShapeBoxProps, GroupBoxProps,
                                  TimerProps, ListViewProps, PageControlProps, SplitterBarProps>;

struct ControlRecord {
  Text name{};    // unique within its window
  Text parent{};  // empty: the window; else a PicBox, GroupBox, ShapeBox or PageControl
  int page = 0;   // for a child of a PageControl: the page it belongs to
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  ControlProps props{};
  std::vector<Binding> bindings{};

  ControlKind kind() const;
};

// Records come in stacking order among siblings: an earlier record lies above later ones.
struct WindowDescription {
  WindowRecord window{};
  std::vector<ControlRecord> controls{};
};

// Creates the window and its controls, raises Created, and shows the window when its record
// says visible. Window thread only (a QApplication must exist). The returned handle is the
// window's address for every later operation.
WindowRef OpenWindow(WindowDescription description);

// The most recently opened window of that description name that is still open; an empty handle
// when there is none. Any thread.
WindowRef FindWindow(const Text& name);

}  // namespace om
