#include "ui/main_window.h"

#include <utility>

#include "app/conversions.h"
#include "app/datetime.h"
#include "ui/artwork.h"
#include "ui/record.h"

namespace om {
namespace {

constexpr int kClockInterval = 1000;
constexpr int kRefreshInterval = 30000;

TransLabelProps Caption(const char* caption, Colour colour, Font font = Font{}) {
  TransLabelProps props;
  props.caption = T(caption);
  props.textColour = colour;
  props.font = font;
  return props;
}

PicBoxProps Stretched(const char* artwork) {
  PicBoxProps props;
  props.picture = Artwork(artwork);
  props.displayMode = 1;
  return props;
}

SplitterBarProps Bar(int orientation = 0) {
  SplitterBarProps props;
  props.orientation = orientation;
  return props;
}

Text FactsText() {
  const char* paragraphs[] = {
      "病毒: 新型冠状病毒 2019-nCoV",
      "传染源: 野生动物，可能为中华菊头蝠",
      "传播途径: 经呼吸道飞沫传播，亦可通过接触传播，存在粪-口传播可能性",
      "易感人群：人群普遍易感。老年人及有基础疾病者感染后病情较重，儿童及婴幼儿也有发病",
      "潜伏期：一般为 3～7 天，最长不超过 14 天，潜伏期内存在传染性",
  };
  Text facts;
  for (const char* paragraph : paragraphs) {
    if (!facts.isEmpty()) facts += Text(std::string_view("\r\n\r\n"));
    facts += T(paragraph);
  }
  return facts;
}

// The summary figures written over the banner picture in a two-by-two grid, and the four
// small labels beside them that show each figure's rise against the day before.
void AddHeaderLeft(std::vector<ControlRecord>& out, const MainWindowActions& actions) {
  GroupBoxProps group;
  out.push_back(Place("分组框1", "", 9, 4, 454, 97, group));
  out.push_back(Place("图片框1", "分组框1", 15, 12, 422, 77, Stretched("banner_figures.png")));

  const Font figureFont = Font::Bold(14);
  out.push_back(Place("透明标签7", "图片框1", 40, 21, 88, 16, TransLabelProps{}));
  out.push_back(Place("标签_确诊", "图片框1", 16, 0, 141, 16, Caption("确诊", kBlack, figureFont)));
  out.push_back(Place("标签_疑似", "图片框1", 204, 2, 132, 16,
                      Caption("疑似", Colour::Rgb(96, 96, 96), figureFont)));
  out.push_back(
      Place("标签_死亡", "图片框1", 203, 40, 153, 16, Caption("死亡", kBlack, figureFont)));
  ControlRecord cured = Place("标签_治愈", "图片框1", 14, 42, 142, 16,
                              Caption("治愈", Colour::Rgb(128, 128, 0), figureFont));
  cured.bindings.emplace_back(Event::LeftButtonDown, [actions] {
    if (actions.curedLabelPressed) actions.curedLabelPressed();
  });
  out.push_back(std::move(cured));
}

void AddHeaderRight(std::vector<ControlRecord>& out) {
  ShapeBoxProps frame;
  frame.lineColour = Colour::Rgb(192, 192, 192);
  out.push_back(Place("外形框1", "", 464, 10, 640, 92, frame));
  out.push_back(Place("图片框3", "外形框1", -7, -2, 455, 92, Stretched("banner_right.png")));
  out.push_back(Place("图片框4", "外形框1", 446, -2, 192, 92, Stretched("header_photo.jpg")));
}

void AddFactsPanel(std::vector<ControlRecord>& out) {
  out.push_back(Place("分组框2", "", 732, 105, 364, 228, GroupBoxProps{}));
  TransLabelProps facts = Caption("", Colour::Rgb(128, 128, 128), Font::Pixels(14));
  facts.caption = FactsText();
  facts.wordWrap = true;
  out.push_back(Place("透明标签3", "分组框2", 24, 29, 304, 184, facts));
}

}  // namespace

Text MainWindowVersionTitle() {
  return T("Orvanta-Meridrel v2.4  Talvin专版  BY:Korsa");
}
Text WelcomeText() {
  return T("您好！欢迎使用-【Orvanta】|");
}
Text CurrentTimeLabel() {
  return T("|  当前时间：");
}

WindowDescription MainWindowDescription(MainWindowActions actions) {
  WindowDescription description;
  WindowRecord& window = description.window;
  window.name = T("MainWindow");
  window.title = T("Orvanta-Meridrel  Talvin专版  BY:Korsa");
  window.left = 50;
  window.top = 50;
  window.width = 1102;
  window.height = 706;
  window.icon = Artwork("app_icon.ico");
  window.bindings.emplace_back(Event::Created, [actions](const EventArgs& args) {
    args.window.control(T("时钟1")).setInterval(kClockInterval);
    args.window.self().setCaption(MainWindowVersionTitle());
    args.window.control(T("透明标签6")).setCaption(WelcomeText());
    // The rise labels keep no placeholder text until the first figures arrive.
    for (const char* rise : {"透明标签7", "透明标签8", "透明标签9", "透明标签10"})
      args.window.control(T(rise)).setCaption(Text());
    if (actions.windowCreated) actions.windowCreated(args.window);
  });
  // Closing is always allowed; background tasks end with the process.
  window.bindings.emplace_back(Event::CloseQuery, [] { return true; });

  std::vector<ControlRecord>& out = description.controls;
  // Window-level controls in stacking order, top first; containers bring their children.
  ControlRecord refresh = Place("时钟2", "", 0, 0, 0, 0, TimerProps{kRefreshInterval});
  refresh.bindings.emplace_back(Event::Tick, [actions] {
    if (actions.refreshTick) actions.refreshTick();
  });
  out.push_back(std::move(refresh));
  out.push_back(Place("透明标签10", "", 262, 79, 88, 16, TransLabelProps{}));
  out.push_back(
      Place("透明标签9", "", 263, 38, 88, 16, Caption("透明标签", Colour::Rgb(0, 128, 128))));
  out.push_back(
      Place("透明标签8", "", 65, 80, 88, 16, Caption("透明标签", Colour::Rgb(0, 128, 0))));
  LabelProps updated;
  updated.caption = T("更新时间");
  updated.textColour = Colour::Rgb(88, 48, 224);
  updated.font = Font::Bold(12);
  out.push_back(Place("标签5", "", 180, 656, 248, 14, updated));
  ControlRecord clock = Place("时钟1", "", 0, 0, 0, 0, TimerProps{0});
  clock.bindings.emplace_back(Event::Tick, [](const EventArgs& args) {
    args.window.control(T("透明标签6")).setCaption(WelcomeText());
    args.window.control(T("标签5"))
        .setCaption(CurrentTimeLabel() + FormatDateTime(DateTimeValue::now()));
  });
  out.push_back(std::move(clock));
  out.push_back(Place("分隔条4", "", 176, 654, 0, 20, Bar()));
  ControlRecord welcome =
      Place("透明标签6", "", 16, 656, 184, 16, Caption("透明标签", Colour::Rgb(128, 128, 128)));
  // The welcome text doubles as the way to the appreciation window.
  welcome.bindings.emplace_back(Event::LeftButtonDown, [actions] {
    if (actions.infoRequested) actions.infoRequested();
  });
  out.push_back(std::move(welcome));
  out.push_back(Place("透明标签5", "", 843, 653, 248, 16, Caption("", Colour::Rgb(128, 128, 128))));
  ControlRecord topBar = Place("分隔条3", "", -2, -6, 1114, 16, Bar());
  topBar.bindings.emplace_back(Event::PositionChanged, [] {});  // the bar stays where it is
  out.push_back(std::move(topBar));
  out.push_back(Place("分隔条1", "", -8, 646, 1128, 34, Bar(1)));
  out.push_back(Place("分隔条2", "", -1, 6, 10, 653, Bar()));
  out.push_back(Place("图片框2", "", 751, 360, 331, 248, Stretched("side_panel.png")));
  AddFactsPanel(out);
  AddHeaderLeft(out, actions);
  AddHeaderRight(out);

  PageControlProps pages;
  for (const char* caption : {"  全国Orvanta（支持市县查询）  ", "  全国疫情新闻聚焦  ",
                              " 肺炎同程查询 ", "  疫情数据图 ", " 谣言鉴别 "})
    pages.pages.push_back(T(caption));
  pages.captionFont = Font::Bold(13);
  pages.headerHeight = 30;
  out.push_back(Place("高级选择夹1", "", 8, 112, 712, 536, pages));
  for (ControlRecord& record : MainWindowPageControls(actions)) out.push_back(std::move(record));

  TransLabelProps hidden = Caption("", Colour::Rgb(255, 0, 255), Font::Pixels(16));
  hidden.wordWrap = true;
  out.push_back(Place("透明标签2", "", 312, 446, 229, 84, hidden));
  return description;
}

}  // namespace om
