#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include "tests/ui/ui_support.h"
#include "ui/combo_layout.h"
#include "ui/look.h"
#include "ui/picture_layout.h"
#include "ui/shape_geometry.h"
#include "ui/splitter_drag.h"

namespace om {
namespace {

using test::Record;

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

// Pixels of the colour inside a rectangle of an image.
int CountColour(const QImage& image, QRect area, QColor colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

TEST(TransLabelTest, CaptionSetThreeTimesShowsOnlyTheLast) {
  WindowDescription d{
      test::Window("Trans", 300, 120),
      {Record("label", TransLabelProps{.caption = T("")}, {10, 10, 240, 24}, "back"),
       Record("back", PicBoxProps{.background = Colour::Rgb(0, 0, 255)}, {0, 0, 300, 100})}};
  test::Shown window = test::OpenShown(std::move(d));
  ControlRef label = window.control(T("label"));
  label.setCaption(T("一个很长很长很长的标题 WWWWWWWW"));
  QCoreApplication::processEvents();
  label.setCaption(T("中等长度 WWW"));
  label.setCaption(T("短"));
  QCoreApplication::processEvents();
  const QImage shown = test::ScreenImage(window);
  // The last caption ("短", about 12 px wide) is drawn; to its right only the background.
  EXPECT_LT(CountColour(shown, QRect(10, 10, 14, 24), kBlue), 14 * 24);
  EXPECT_EQ(CountColour(shown, QRect(30, 10, 230, 24), kBlue), 230 * 24);
  EXPECT_EQ(label.caption(), T("短"));
  test::Destroy(window);
}

TEST(PicBoxTest, PictureRectFollowsTheDisplayMode) {
  const QRect box(0, 0, 100, 100);
  EXPECT_EQ(PictureRect({400, 200}, box, 2), QRect(0, 25, 100, 50)) << "larger: scaled down";
  EXPECT_EQ(PictureRect({40, 20}, box, 2), QRect(30, 40, 40, 20)) << "smaller: natural, centred";
  EXPECT_EQ(PictureRect({10, 50}, box, 1), box);
  EXPECT_EQ(PictureRect({40, 20}, box, 0), QRect(0, 0, 40, 20));
  EXPECT_EQ(PictureRect({1080, 1080}, QRect(0, 0, 240, 248), 2), QRect(0, 4, 240, 240));
}

TEST(PicBoxTest, ShownPicturesKeepProportionsInModeTwoAndFillInModeOne) {
  struct Case {
    QSize picture;
    int mode;
    QRect red;
  };
  const Case cases[] = {{{400, 200}, 2, {0, 25, 100, 50}},
                        {{40, 20}, 2, {30, 40, 40, 20}},
                        {{10, 50}, 1, {0, 0, 100, 100}}};
  for (const Case& c : cases) {
    PicBoxProps props{.picture = test::SolidPng(c.picture, kRed),
                      .displayMode = c.mode,
                      .background = Colour::Rgb(0, 0, 255)};
    WindowDescription d{test::Window("Pic", 200, 200), {Record("pic", props, {20, 20, 100, 100})}};
    test::Shown window = test::OpenShown(std::move(d));
    const QImage shown = test::ScreenImage(window).copy(20, 20, 100, 100);
    EXPECT_EQ(CountColour(shown, c.red, kRed), c.red.width() * c.red.height()) << c.mode;
    EXPECT_EQ(CountColour(shown, shown.rect(), kRed), c.red.width() * c.red.height()) << c.mode;
    test::Destroy(window);
  }
}

TEST(ShapeBoxTest, SquareShapesUseTheLargestCentredSquareAndCornersAreAFifth) {
  EXPECT_EQ(ShapeBounds(1, QRect(0, 0, 100, 40)), QRect(30, 0, 40, 40));
  EXPECT_EQ(ShapeBounds(3, QRect(0, 0, 40, 100)), QRect(0, 30, 40, 40));
  EXPECT_EQ(ShapeBounds(4, QRect(0, 0, 100, 40)), QRect(0, 0, 100, 40));
  EXPECT_EQ(CornerEllipse(QRect(0, 0, 100, 40)), QSize(20, 8));
}

TEST(ShapeBoxTest, FlatSolidOutlineLiesInsideAndDefaultFillLeavesTheBackground) {
  ShapeBoxProps props{
      .background = Colour::Rgb(0, 0, 255), .lineWidth = 3, .lineColour = Colour::Rgb(255, 0, 0)};
  WindowDescription d{test::Window("Shape", 200, 200), {Record("shape", props, {10, 10, 60, 40})}};
  test::Shown window = test::OpenShown(std::move(d));
  const QImage shown = test::ScreenImage(window).copy(10, 10, 60, 40);
  EXPECT_EQ(CountColour(shown, QRect(0, 0, 60, 3), kRed), 60 * 3);
  EXPECT_EQ(CountColour(shown, QRect(57, 0, 3, 40), kRed), 3 * 40);
  EXPECT_EQ(CountColour(shown, QRect(3, 3, 54, 34), kBlue), 54 * 34);
  test::Destroy(window);
}

TEST(TimerTest, PositiveIntervalTicksFromCreationAndZeroOrNegativeStops) {
  int ticks = 0;
  ControlRecord timer = Record("timer", TimerProps{.interval = 20}, {});
  timer.bindings = {{Event::Tick, [&] { ++ticks; }}};
  WindowDescription d{test::Window("Timer", 100, 100), {timer}};
  test::Shown window = test::OpenShown(std::move(d));
  ASSERT_TRUE(test::WaitFor([&] { return ticks >= 2; }));
  for (const int stop : {0, -5}) {
    window.control(T("timer")).setInterval(stop);
    EXPECT_EQ(window.control(T("timer")).interval(), 0);
    const int before = ticks;
    QTest::qWait(120);
    EXPECT_EQ(ticks, before);
    window.control(T("timer")).setInterval(15);
    ASSERT_TRUE(test::WaitFor([&] { return ticks > before; }));
  }
  test::Destroy(window);
}

WindowDescription EnterWindow(int defaultKind, int* firstClicks, int* secondClicks) {
  ControlRecord first = Record("first", ButtonProps{.buttonKind = defaultKind}, {10, 40, 80, 24});
  first.bindings = {{Event::Clicked, [firstClicks] { ++*firstClicks; }}};
  ControlRecord second = Record("second", ButtonProps{}, {100, 40, 80, 24});
  second.bindings = {{Event::Clicked, [secondClicks] { ++*secondClicks; }}};
  ControlRecord edit = Record("edit", EditBoxProps{}, {10, 10, 100, 20});
  edit.tabStop = first.tabStop = second.tabStop = true;
  return WindowDescription{test::Window("Enter", 300, 100), {edit, first, second}};
}

TEST(ButtonTest, EnterInAnEditBoxClicksNothingWithoutADefaultButton) {
  int first = 0, second = 0;
  test::Shown window = test::OpenShown(EnterWindow(0, &first, &second));
  QWidget* edit = test::Widget(window, "edit");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter);
  QWidget* button = test::Widget(window, "second");
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(first + second, 0);
  EXPECT_FALSE(static_cast<QPushButton*>(button)->autoDefault());
  test::Destroy(window);
}

TEST(ButtonTest, EnterAnywhereClicksTheDefaultButtonOnce) {
  int first = 0, second = 0;
  test::Shown window = test::OpenShown(EnterWindow(1, &first, &second));
  QWidget* edit = test::Widget(window, "edit");
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
  QTest::mouseClick(test::Widget(window, "second"), Qt::LeftButton);
  EXPECT_EQ(second, 1);
  test::Destroy(window);
}

TEST(ComboBoxTest, TypeTwoIsNotEditableAndKeepsItsItemsAndSelection) {
  std::vector<Text> items = {T("飞机"), T("火车"), T("地铁")};
  int selected = 0;
  ControlRecord combo = Record("combo", ComboBoxProps{.type = 2, .items = items, .currentIndex = 0},
                               {10, 10, 115, 20});
  combo.bindings = {{Event::ItemSelected, [&] { ++selected; }}};
  test::Shown window = test::OpenShown({test::Window("Combo", 300, 200), {combo}});
  auto* box = static_cast<QComboBox*>(test::Widget(window, "combo"));
  EXPECT_FALSE(box->isEditable());
  EXPECT_EQ(box->count(), 3);
  ControlRef ref = window.control(T("combo"));
  EXPECT_EQ(ref.currentIndex(), 0);
  EXPECT_EQ(ref.currentText(), T("飞机"));
  ref.setCurrentIndex(2);
  EXPECT_EQ(ref.currentText(), T("地铁"));
  EXPECT_EQ(selected, 0) << "only the user's choice raises ItemSelected";
  box->activated(1);
  EXPECT_EQ(selected, 1);
  test::Destroy(window);
}

TEST(ComboBoxTest, DropDownFieldIsOneRowAndTheOpenListFillsOneHundredSixtyPixels) {
  EXPECT_EQ(DropDownVisibleRows(20, 22, 16, 1), (160 - 22 - 2) / 16);
  EXPECT_EQ(DropDownVisibleRows(300, 22, 16, 1), (300 - 22 - 2) / 16);
  EXPECT_EQ(DropDownVisibleRows(20, 22, 500, 1), 1);

  std::vector<Text> items;
  for (int i = 0; i < 30; ++i) items.push_back(T("项目") + Text(std::to_string(i)));
  test::Shown window = test::OpenShown(
      {test::Window("Drop", 300, 300),
       {Record("combo", ComboBoxProps{.type = 2, .items = items}, {10, 10, 115, 20})}});
  auto* box = static_cast<QComboBox*>(test::Widget(window, "combo"));
  const int field = box->height();
  EXPECT_EQ(field, box->sizeHint().height());
  const int row = box->fontMetrics().height() + 1;
  box->showPopup();
  QWidget* popup = box->view()->window();
  ASSERT_TRUE(test::WaitFor([&] { return popup->isVisible(); }));
  EXPECT_LE(field + popup->height(), 160 + 2);
  EXPECT_GT(field + popup->height(), 160 - row - 8);
  EXPECT_EQ(box->view()->sizeHintForRow(0), row);
  box->hidePopup();
  test::Destroy(window);
}

TEST(ListViewTest, RowsCellsAndTooltipOnlyForCutOffCells) {
  ListViewProps props{.view = 3,
                      .columns = {{T("短"), 60, 0}, {T("长"), 60, 1}},
                      .fullRowSelect = true,
                      .gridLines = true};
  WindowRef window =
      test::OpenShown({test::Window("List", 300, 200), {Record("list", props, {0, 0, 200, 150})}});
  ControlRef list = window.control(T("list"));
  list.addRow({T("ab"), T("这一格的文字很长很长很长很长")});
  list.addRow({T("cd")});
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(1, 1), Text());
  list.setCell(1, 1, T("ef"));
  EXPECT_EQ(list.cellText(1, 1), T("ef"));
  EXPECT_EQ(list.cellText(5, 0), Text());

  auto* table = static_cast<QTableWidget*>(test::Widget(window, "list"));
  QWidget* viewport = table->viewport();
  auto tipAt = [&](int row, int column) {
    const QPoint at = table->visualRect(table->model()->index(row, column)).center();
    QHelpEvent help(QEvent::ToolTip, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &help);
  };
  tipAt(0, 0);
  EXPECT_FALSE(QToolTip::isVisible()) << "a cell that fits shows no tooltip";
  tipAt(0, 1);
  ASSERT_TRUE(test::WaitFor([] { return QToolTip::isVisible(); }));
  EXPECT_EQ(QToolTip::text(), QString::fromUtf8("这一格的文字很长很长很长很长"));
  QToolTip::hideText();
  list.clearRows();
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.focusedRow(), -1);
  test::Destroy(window);
}

TEST(ListViewTest, ListEventsReachTheirHandlers) {
  std::vector<std::string> seen;
  ControlRecord record =
      Record("list", ListViewProps{.view = 3, .columns = {{T("a"), 60, 0}, {T("b"), 60, 0}}},
             {0, 0, 200, 150});
  auto note = [&seen](const char* what) { return [&seen, what] { seen.push_back(what); }; };
  record.bindings = {{Event::CurrentItemChanged, note("current")},
                     {Event::Clicked, note("clicked")},
                     {Event::RightClicked, note("right")},
                     {Event::ItemActivated, note("activated")},
                     {Event::ColumnClicked, [&seen](const EventArgs& args) {
                        seen.push_back("column" + std::to_string(args.column));
                      }}};
  test::Shown window = test::OpenShown({test::Window("ListEvents", 300, 200), {record}});
  ControlRef list = window.control(T("list"));
  list.addRow({T("1"), T("x")});
  list.addRow({T("2"), T("y")});
  auto* table = static_cast<QTableWidget*>(test::Widget(window, "list"));
  const QPoint second = table->visualRect(table->model()->index(1, 0)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(list.focusedRow(), 1);
  QTest::mouseClick(table->viewport(), Qt::RightButton, {}, second);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, second);
  QHeaderView* header = table->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
  ASSERT_GE(seen.size(), 4u);
  EXPECT_EQ(seen[0], "current");
  EXPECT_EQ(seen[1], "clicked");
  EXPECT_EQ(seen[2], "right");
  EXPECT_NE(std::find(seen.begin(), seen.end(), "activated"), seen.end());
  EXPECT_EQ(seen.back(), "column1");
  test::Destroy(window);
}

TEST(ListViewTest, HeaderThatIsNotClickableRaisesNoColumnClick) {
  int columns = 0;
  ControlRecord record = Record(
      "list", ListViewProps{.view = 3, .columns = {{T("a"), 60, 0}}, .clickableHeader = false},
      {0, 0, 200, 150});
  record.bindings = {{Event::ColumnClicked, [&] { ++columns; }}};
  test::Shown window = test::OpenShown({test::Window("NoHeader", 300, 200), {record}});
  auto* table = static_cast<QTableWidget*>(test::Widget(window, "list"));
  QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(columns, 0);
  test::Destroy(window);
}

TEST(PageControlTest, SwitchShowsOnlyThatPagesChildrenThenRaisesPageChanged) {
  ControlRecord pages = Record(
      "pages", PageControlProps{.pages = {T("  零  "), T(" 一 "), T("二")}, .headerHeight = 30},
      {0, 0, 300, 200});
  ControlRecord onZero = Record("zero", EditBoxProps{}, {10, 40, 80, 20}, "pages");
  ControlRecord onTwo = Record("two", EditBoxProps{}, {10, 40, 80, 20}, "pages");
  onTwo.page = 2;
  bool twoShownWhenRaised = false;
  bool zeroHiddenWhenRaised = false;
  int changes = 0;
  WindowRef* self = nullptr;
  pages.bindings = {{Event::PageChanged, [&](const EventArgs& args) {
                       ++changes;
                       twoShownWhenRaised = test::Widget(*self, "two")->isVisible();
                       zeroHiddenWhenRaised = !test::Widget(*self, "zero")->isVisible();
                       EXPECT_EQ(args.window.control(T("pages")).currentPage(), 2);
                     }}};
  test::Shown window = test::OpenShown({test::Window("Pages", 400, 300), {pages, onZero, onTwo}});
  self = &window;
  EXPECT_TRUE(test::Widget(window, "zero")->isVisible());
  EXPECT_FALSE(test::Widget(window, "two")->isVisible());
  auto* tabs = test::Widget(window, "pages")->findChild<QTabBar*>();
  EXPECT_EQ(tabs->tabText(0), QString::fromUtf8("  零  "));
  EXPECT_EQ(tabs->height(), 30);
  EXPECT_EQ(test::Widget(window, "two")->mapTo(window.widget(), QPoint(0, 0)), QPoint(10, 40));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(twoShownWhenRaised);
  EXPECT_TRUE(zeroHiddenWhenRaised);
  window.control(T("pages")).setCurrentPage(0);
  EXPECT_EQ(changes, 1) << "a switch made by the program raises nothing";
  EXPECT_TRUE(test::Widget(window, "zero")->isVisible());
  EXPECT_FALSE(test::Widget(window, "two")->isVisible());
  test::Destroy(window);
}

TEST(SplitterBarTest, OutlineStaysInsideTheParentAlongTheAxis) {
  EXPECT_EQ(SplitterOutlinePosition(100, 30, 10, 300), 130);
  EXPECT_EQ(SplitterOutlinePosition(100, 1000, 10, 300), 290);
  EXPECT_EQ(SplitterOutlinePosition(100, -1000, 10, 300), 0);
  EXPECT_EQ(SplitterOutlinePosition(-6, 0, 16, 300), -6) << "a bar partly outside stays put";
}

struct Drop {
  int count = 0;
  int oldPosition = 0;
  int newPosition = 0;
};

WindowRef SplitterWindow(Drop* drop) {
  ControlRecord bar = Record("bar", SplitterBarProps{}, {0, 100, 300, 10});
  bar.bindings = {{Event::PositionChanged, [drop](const EventArgs& args) {
                     ++drop->count;
                     drop->oldPosition = args.oldPosition;
                     drop->newPosition = args.newPosition;
                   }}};
  return test::OpenShown({test::Window("Splitter", 300, 300), {bar}});
}

TEST(SplitterBarTest, DropAtTheStartRaisesNothingAndElsewhereOneEventWithTheBarUnmoved) {
  Drop drop;
  WindowRef window = SplitterWindow(&drop);
  QWidget* bar = test::Widget(window, "bar");
  EXPECT_EQ(bar->cursor().shape(), Qt::SizeVerCursor);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_NE(window.widget()->findChild<QWidget*>(QStringLiteral("splitterOutline")), nullptr);
  QTest::mouseMove(bar, QPoint(60, 5));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(60, 5));
  EXPECT_EQ(drop.count, 0);
  EXPECT_EQ(window.widget()->findChild<QWidget*>(QStringLiteral("splitterOutline")), nullptr);

  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(50, 5));
  QTest::mouseMove(bar, QPoint(50, 35));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(50, 35));
  EXPECT_EQ(drop.count, 1);
  EXPECT_EQ(drop.oldPosition, 100);
  EXPECT_EQ(drop.newPosition, 130);
  EXPECT_EQ(bar->geometry(), QRect(0, 100, 300, 10));
  test::Destroy(window);
}

TEST(SplitterBarTest, EscOrTheRightButtonCancelsTheDrag) {
  Drop drop;
  WindowRef window = SplitterWindow(&drop);
  QWidget* bar = test::Widget(window, "bar");
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(50, 5));
  QTest::mouseMove(bar, QPoint(50, 40));
  QTest::keyClick(bar, Qt::Key_Escape);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(50, 40));
  EXPECT_TRUE(window.isOpen()) << "Esc ends the drag, not the window";
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(50, 5));
  QTest::mouseMove(bar, QPoint(50, 40));
  QTest::mousePress(bar, Qt::RightButton, Qt::KeyboardModifiers(), QPoint(50, 40));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(50, 40));
  EXPECT_EQ(drop.count, 0);
  test::Destroy(window);
}

}  // namespace
}  // namespace om

namespace om {
namespace {

TEST(LookTest, FontsHaveThePixelHeightAndWeightInAChineseFace) {
  test::App();
  const QFont bold = ToQFont(Font::Bold(14));
  EXPECT_EQ(bold.pixelSize(), 14);
  EXPECT_EQ(bold.weight(), QFont::Bold);
  EXPECT_FALSE(bold.italic());
  const QFont normal = ToQFont(Font{});
  EXPECT_EQ(normal.pixelSize(), kDefaultFontHeight);
  EXPECT_EQ(normal.weight(), QFont::Normal);
  if (QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei"))) {
    EXPECT_EQ(bold.family(), QStringLiteral("WenQuanYi Micro Hei"));
  }
  EXPECT_TRUE(QFontMetrics(bold).inFont(QChar(0x786E)));  // 确
}

TEST(ControlOpsTest, CaptionsAndColoursReadBackWhatWasSet) {
  WindowDescription d{test::Window("Ops", 300, 200),
                      {test::Record("label", LabelProps{}, {0, 0, 80, 20}),
                       test::Record("trans", TransLabelProps{}, {0, 20, 80, 20}),
                       test::Record("edit", EditBoxProps{}, {0, 40, 80, 20}),
                       test::Record("button", ButtonProps{}, {0, 60, 80, 20}),
                       test::Record("group", GroupBoxProps{}, {100, 0, 80, 60})}};
  test::Shown window = test::OpenShown(std::move(d));
  EXPECT_EQ(window.control(T("label")).caption(), T("标签"));
  EXPECT_EQ(window.control(T("trans")).caption(), T("透明标签"));
  EXPECT_EQ(window.control(T("button")).caption(), T("按钮"));
  EXPECT_EQ(window.control(T("label")).backColour(), Colour::Default());
  for (const char* name : {"label", "trans", "edit", "button", "group"}) {
    ControlRef control = window.control(T(name));
    control.setCaption(T("新的文字"));
    EXPECT_EQ(control.caption(), T("新的文字")) << name;
  }
  window.self().setCaption(T("窗口标题"));
  EXPECT_EQ(window.widget()->windowTitle(), QString::fromUtf8("窗口标题"));
  ControlRef label = window.control(T("label"));
  label.setBackColour(Colour::Rgb(1, 2, 3));
  label.setTextColour(Colour::Rgb(4, 5, 6));
  EXPECT_EQ(label.backColour(), Colour::Rgb(1, 2, 3));
  EXPECT_EQ(label.textColour(), Colour::Rgb(4, 5, 6));
  EXPECT_EQ(test::Widget(window, "label")->palette().color(QPalette::Window), QColor(1, 2, 3));
  label.setVisible(false);
  EXPECT_FALSE(label.isVisible());
  EXPECT_FALSE(test::Widget(window, "label")->isVisible());
  EXPECT_FALSE(window.control(T("missing")).exists());
  window.control(T("missing")).setCaption(T("x"));  // nothing to change, nothing happens
}

TEST(ListViewTest, RowsShowTheSmallImagesTheyAreGiven) {
  ListViewProps props{
      .view = 3,
      .columns = {{T("a"), 60, 0}},
      .smallImages = {test::SolidPng({16, 16}, Qt::red), test::SolidPng({16, 16}, Qt::green)}};
  test::Shown window = test::OpenShown(
      {test::Window("Images", 200, 200), {test::Record("list", props, {0, 0, 200, 150})}});
  ControlRef list = window.control(T("list"));
  list.addRow({T("x")});
  list.setRowImage(0, 1);
  auto* table = static_cast<QTableWidget*>(test::Widget(window, "list"));
  const QImage icon = table->item(0, 0)->icon().pixmap(16, 16).toImage();
  EXPECT_EQ(icon.pixelColor(8, 8), QColor(Qt::green));
  list.setRowImage(0, 7);
  EXPECT_TRUE(table->item(0, 0)->icon().isNull());
}

}  // namespace
}  // namespace om
