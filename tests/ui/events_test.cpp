#include <gtest/gtest.h>

#include <QTest>
#include <QWheelEvent>

#include "tests/ui/ui_support.h"

namespace om {
namespace {

using test::Record;

struct Seen {
  Event event;
  Text control;
  EventArgs args;
};

Binding Recorder(Event event, std::vector<Seen>* seen) {
  return {event, [event, seen](const EventArgs& args) {
            seen->push_back({event, args.control, args});
          }};
}

std::vector<Binding> AllCommon(std::vector<Seen>* seen) {
  std::vector<Binding> bindings;
  for (Event e :
       {Event::LeftButtonDown, Event::LeftButtonUp, Event::DoubleClicked, Event::RightButtonDown,
        Event::RightButtonUp, Event::FocusGained, Event::FocusLost, Event::KeyDown, Event::KeyUp,
        Event::CharInput, Event::WheelScrolled}) {
    bindings.push_back(Recorder(e, seen));
  }
  return bindings;
}

std::vector<Seen> Only(const std::vector<Seen>& seen, Event event) {
  std::vector<Seen> out;
  for (const Seen& s : seen) {
    if (s.event == event) out.push_back(s);
  }
  return out;
}

TEST(EventsTest, MouseEventsCarryClientCoordinatesAndKeyStateAndStayWithTheirControl) {
  std::vector<Seen> seen;
  ControlRecord label = Record("label", TransLabelProps{}, {10, 10, 100, 20}, "box");
  label.bindings = AllCommon(&seen);
  label.bindings.push_back(Recorder(Event::MouseMoved, &seen));
  ControlRecord box = Record("box", PicBoxProps{}, {20, 20, 200, 100});
  box.bindings = AllCommon(&seen);
  WindowDescription d{test::Window("Mouse", 300, 200), {label, box}};
  d.window.bindings = AllCommon(&seen);
  test::Shown window = test::OpenShown(std::move(d));
  QWidget* target = test::Widget(window, "label");
  QTest::mousePress(target, Qt::LeftButton, Qt::ControlModifier | Qt::AltModifier, QPoint(5, 7));
  QTest::mouseRelease(target, Qt::LeftButton, Qt::ShiftModifier, QPoint(6, 8));
  QTest::mousePress(target, Qt::RightButton, {}, QPoint(1, 2));
  QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(1, 2));
  QTest::mouseDClick(target, Qt::LeftButton, {}, QPoint(3, 4));

  QTest::mouseMove(target, QPoint(9, 11));
  ASSERT_TRUE(test::WaitFor([&] { return !Only(seen, Event::MouseMoved).empty(); }));
  EXPECT_EQ(Only(seen, Event::MouseMoved).back().args.x, 9);
  EXPECT_EQ(Only(seen, Event::MouseMoved).back().args.y, 11);

  const auto downs = Only(seen, Event::LeftButtonDown);
  ASSERT_GE(downs.size(), 1u);
  EXPECT_EQ(downs[0].control, T("label"));
  EXPECT_EQ(downs[0].args.x, 5);
  EXPECT_EQ(downs[0].args.y, 7);
  EXPECT_EQ(downs[0].args.keyState, kKeyCtrl | kKeyAlt);
  const auto ups = Only(seen, Event::LeftButtonUp);
  ASSERT_GE(ups.size(), 1u);
  EXPECT_EQ(ups[0].args.keyState, kKeyShift);
  EXPECT_EQ(ups[0].args.x, 6);
  ASSERT_EQ(Only(seen, Event::RightButtonDown).size(), 1u);
  ASSERT_EQ(Only(seen, Event::RightButtonUp).size(), 1u);
  const auto doubles = Only(seen, Event::DoubleClicked);
  ASSERT_EQ(doubles.size(), 1u);
  EXPECT_EQ(doubles[0].args.x, 3);
  for (const Seen& s : seen) {
    EXPECT_EQ(s.control, T("label")) << "parents do not see their children's input";
  }

  seen.clear();
  QTest::mousePress(window.widget(), Qt::LeftButton, {}, QPoint(250, 150));
  ASSERT_EQ(Only(seen, Event::LeftButtonDown).size(), 1u);
  EXPECT_EQ(seen[0].control, Text());
  EXPECT_EQ(seen[0].args.x, 250);
  QTest::mouseRelease(window.widget(), Qt::LeftButton, {}, QPoint(250, 150));
  test::Destroy(window);
}

TEST(EventsTest, KeysCharactersFocusAndWheelReachTheFocusedControlOnce) {
  std::vector<Seen> seen;
  ControlRecord edit = Record("edit", EditBoxProps{}, {10, 10, 100, 20}, "group");
  edit.bindings = AllCommon(&seen);
  ControlRecord other = Record("other", EditBoxProps{}, {10, 40, 100, 20});
  other.bindings = AllCommon(&seen);
  ControlRecord group = Record("group", GroupBoxProps{}, {0, 60, 200, 100});
  group.bindings = AllCommon(&seen);
  WindowDescription d{test::Window("Keys", 300, 200), {edit, other, group}};
  d.window.bindings = AllCommon(&seen);
  test::Shown window = test::OpenShown(std::move(d));
  QWidget* target = test::Widget(window, "edit");
  target->setFocus();
  ASSERT_TRUE(test::WaitFor([&] { return target->hasFocus(); }));
  seen.clear();
  QTest::keyClick(target, 'A', Qt::ShiftModifier);
  QTest::keyClick(target, Qt::Key_Escape, Qt::ShiftModifier);  // unused by the edit box
  // Each click with Shift held is the Shift key going down, then the key itself.
  const auto downs = Only(seen, Event::KeyDown);
  ASSERT_EQ(downs.size(), 4u);
  EXPECT_EQ(downs[0].args.keyCode, 16);
  EXPECT_EQ(downs[1].control, T("edit"));
  EXPECT_EQ(downs[1].args.keyCode, 'A');
  EXPECT_EQ(downs[1].args.keyState, kKeyShift);
  EXPECT_EQ(downs[3].args.keyCode, 27);
  EXPECT_EQ(downs[3].control, T("edit"));
  const auto chars = Only(seen, Event::CharInput);
  ASSERT_GE(chars.size(), 1u);
  EXPECT_EQ(chars[0].args.charCode, 'A');
  EXPECT_EQ(Only(seen, Event::KeyUp).size(), 4u);
  for (const Seen& s : seen) EXPECT_EQ(s.control, T("edit")) << "raised once, for the edit box";

  QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -240),
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
  const auto wheels = Only(seen, Event::WheelScrolled);
  ASSERT_EQ(wheels.size(), 1u);
  EXPECT_EQ(wheels[0].args.notches, -2);
  EXPECT_EQ(wheels[0].args.keyState, kKeyCtrl);

  seen.clear();
  test::Widget(window, "other")->setFocus();
  ASSERT_TRUE(test::WaitFor([&] { return !Only(seen, Event::FocusGained).empty(); }));
  ASSERT_EQ(Only(seen, Event::FocusLost).size(), 1u);
  EXPECT_EQ(Only(seen, Event::FocusLost)[0].control, T("edit"));
  EXPECT_EQ(Only(seen, Event::FocusGained)[0].control, T("other"));
  test::Destroy(window);
}

TEST(EventsTest, ATransLabelWithoutMouseHandlersLetsClicksThroughToTheControlBeneath) {
  int rowsClicked = 0;
  ControlRecord hint = Record("hint", TransLabelProps{.caption = T("双击内容")}, {0, 40, 200, 20});
  ControlRecord list =
      Record("list", ListViewProps{.view = 3, .columns = {{T("a"), 100, 0}}}, {0, 0, 200, 150});
  list.bindings = {{Event::Clicked, [&] { ++rowsClicked; }}};
  test::Shown window = test::OpenShown({test::Window("Hint", 300, 200), {hint, list}});
  QWidget* form = window.widget();
  EXPECT_NE(form->childAt(50, 50), test::Widget(window, "hint"));
  QTest::mouseClick(form->childAt(50, 50), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(rowsClicked, 1);
}

TEST(EventsTest, EventIndexesFollowTheTables) {
  EXPECT_EQ(EventIndex(ControlKind::Label, Event::LeftButtonDown), -1);
  EXPECT_EQ(EventIndex(ControlKind::Window, Event::WheelScrolled), -12);
  EXPECT_EQ(EventIndex(ControlKind::Window, Event::CloseQuery), 1);
  EXPECT_EQ(EventIndex(ControlKind::ListView, Event::ColumnClicked), 2);
  EXPECT_EQ(EventIndex(ControlKind::ListView, Event::Clicked), 4);
  EXPECT_EQ(EventIndex(ControlKind::Button, Event::Clicked), 0);
  EXPECT_EQ(EventIndex(ControlKind::ListView, Event::RightClicked), 5);
}

}  // namespace
}  // namespace om
