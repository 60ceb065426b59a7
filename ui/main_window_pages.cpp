#include <utility>

#include "ui/artwork.h"
#include "ui/main_window.h"
#include "ui/record.h"

namespace om {
namespace {

constexpr const char* kPages = "高级选择夹1";
const Colour kRed = Colour::Rgb(255, 0, 0);
const Colour kGrey = Colour::Rgb(128, 128, 128);

ControlRecord OnPage(int page, const char* name, int left, int top, int width, int height,
                     ControlProps props) {
  return Place(name, kPages, left, top, width, height, std::move(props), page);
}

TransLabelProps Hint(const char* caption, Colour colour, int align = kAlignCentre) {
  TransLabelProps props;
  props.caption = T(caption);
  props.textColour = colour;
  props.align = align;
  return props;
}

ListViewProps Report(std::initializer_list<std::tuple<const char*, int, int>> columns) {
  ListViewProps props;
  props.view = 3;
  for (const auto& [caption, width, align] : columns)
    props.columns.push_back(ListColumn{T(caption), width, align});
  return props;
}

ListViewProps FiguresList(std::initializer_list<std::tuple<const char*, int, int>> columns) {
  ListViewProps props = Report(columns);
  props.borderStyle = kBorderNone;
  props.fullRowSelect = true;
  props.gridLines = true;
  for (const char* icon :
       {"list_icons/0.png", "list_icons/1.png", "list_icons/2.png", "list_icons/3.png"})
    props.smallImages.push_back(Artwork(icon));
  return props;
}

ButtonProps Push(const char* caption) {
  ButtonProps props;
  props.caption = T(caption);
  return props;
}

// The row the user acted on: the focused row of the list that raised the event.
int FocusedRow(const EventArgs& args) {
  return args.window.control(args.control).focusedRow();
}

}  // namespace

std::vector<ControlRecord> MainWindowPageControls(const MainWindowActions& actions) {
  // Records in the stacking order of the page control's children, top first.
  std::vector<ControlRecord> out;
  out.push_back(OnPage(2, "透明标签13", 160, 416, 347, 23,
                       Hint("双击内容可以打开信息来源，爱你哦~！", Colour::Rgb(0, 224, 128))));
  ControlRecord search = OnPage(2, "按钮2", 241, 504, 208, 24, Push("搜查"));
  search.bindings.emplace_back(Event::Clicked, [actions](const EventArgs& args) {
    if (!actions.sameTripQuery) return;
    const WindowRef& w = args.window;
    actions.sameTripQuery(w, w.control(T("组合框1")).currentIndex(),
                          w.control(T("编辑框_车次")).caption(),
                          w.control(T("编辑框_目的")).caption());
  });
  out.push_back(std::move(search));
  out.push_back(OnPage(2, "编辑框_目的", 539, 464, 117, 24, EditBoxProps{}));
  out.push_back(OnPage(2, "透明标签14", 480, 463, 48, 24, Hint("目的地：", kGrey, kAlignLeft)));
  out.push_back(
      OnPage(2, "透明标签12", 168, 464, 120, 24, Hint("车次/航班/车牌/景点:", kGrey, kAlignLeft)));
  out.push_back(OnPage(2, "编辑框_车次", 306, 464, 130, 24, EditBoxProps{}));
  ComboBoxProps transport;
  transport.type = 2;
  for (const char* item :
       {"飞机", "火车", "地铁", "长途客车/大巴", "公交车", "出租车", "轮船", "其他公共场所"})
    transport.items.push_back(T(item));
  transport.currentIndex = 0;
  ControlRecord combo = OnPage(2, "组合框1", 5, 464, 115, 20, transport);
  combo.bindings.emplace_back(Event::ItemSelected, [] {});  // the choice is read on search
  out.push_back(std::move(combo));
  ListViewProps trips = Report({{"出行时间", 80, kAlignLeft},
                                {"出行方式", 100, kAlignCentre},
                                {"车次/航班/车牌/景点", 150, kAlignCentre},
                                {"出发地", 100, kAlignLeft},
                                {"目的地", 150, kAlignLeft},
                                {"信息来源", 112, kAlignLeft}});
  trips.fullRowSelect = true;
  ControlRecord tripList = OnPage(2, "超级列表框_同城", 0, 40, 696, 408, trips);
  tripList.bindings.emplace_back(Event::DoubleClicked, [actions](const EventArgs& args) {
    if (actions.sameTripRowOpened) actions.sameTripRowOpened(args.window, FocusedRow(args));
  });
  out.push_back(std::move(tripList));

  out.push_back(OnPage(4, "透明标签11", 176, 504, 347, 23,
                       Hint("浏览框内鼠标悬停显示全部内容，爱你哦~", kRed)));
  ControlRecord check = OnPage(4, "按钮_谣言查询", 418, 461, 168, 35, Push("查一查谣言"));
  check.bindings.emplace_back(Event::Clicked, [actions](const EventArgs& args) {
    if (actions.rumourQuery)
      actions.rumourQuery(args.window, args.window.control(T("编辑框_谣言查询")).caption());
  });
  out.push_back(std::move(check));
  out.push_back(OnPage(4, "编辑框_谣言查询", 136, 464, 272, 32, EditBoxProps{}));
  out.push_back(OnPage(4, "超级列表框_谣言", 8, 48, 696, 408,
                       Report({{"鉴别时间", 80, kAlignLeft},
                               {"谣言标题", 225, kAlignCentre},
                               {"鉴定", 60, kAlignLeft},
                               {"澄清概况", 180, kAlignLeft},
                               {"权威报道来源", 150, kAlignLeft}})));

  PicBoxProps newsBanner;
  newsBanner.picture = Artwork("news_banner.png");
  newsBanner.displayMode = 1;
  out.push_back(OnPage(1, "图片框5", 36, 33, 653, 33, newsBanner));
  PicBoxProps map;
  map.displayMode = 1;
  out.push_back(OnPage(3, "图片框_疫情分布图", 16, 40, 688, 488, map));
  out.push_back(OnPage(1, "透明标签4", 208, 504, 347, 23, Hint("双击可以打开新闻", kRed)));
  out.push_back(OnPage(0, "透明标签1", 208, 510, 347, 23,
                       Hint("（每半分钟自动刷新）以上数据来自国家和各级卫生健康委员会", kRed)));
  ControlRecord cities = OnPage(0, "超级列表框2", 342, 30, 366, 474,
                                FiguresList({{"序号", 38, kAlignLeft},
                                             {"地区-市县", 85, kAlignCentre},
                                             {"确诊", 80, kAlignCentre},
                                             {"治愈", 80, kAlignLeft},
                                             {"死亡", 80, kAlignLeft}}));
  out.push_back(std::move(cities));
  ControlRecord provinces = OnPage(0, "超级列表框1", 5, 30, 336, 474,
                                   FiguresList({{"序号", 38, kAlignLeft},
                                                {"地区-省", 80, kAlignCentre},
                                                {"确诊", 80, kAlignCentre},
                                                {"治愈", 60, kAlignLeft},
                                                {"死亡", 60, kAlignLeft}}));
  provinces.bindings.emplace_back(Event::Clicked, [actions](const EventArgs& args) {
    if (actions.provinceClicked) actions.provinceClicked(args.window, FocusedRow(args));
  });
  out.push_back(std::move(provinces));
  ListViewProps news =
      Report({{"标题", 400, kAlignLeft}, {"来源", 80, kAlignLeft}, {"发布时间", 150, kAlignLeft}});
  news.borderStyle = kBorderNone;
  news.fullRowSelect = true;
  news.gridLines = true;
  news.clickableHeader = false;
  news.font = Font::Pixels(14);
  ControlRecord newsList = OnPage(1, "超级列表框3", 36, 40, 652, 456, news);
  newsList.bindings.emplace_back(Event::DoubleClicked, [actions](const EventArgs& args) {
    if (actions.newsRowOpened) actions.newsRowOpened(args.window, FocusedRow(args));
  });
  out.push_back(std::move(newsList));
  return out;
}

}  // namespace om
