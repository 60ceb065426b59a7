#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "tests/ui/ui_support.h"
#include "ui/form.h"

namespace om {
namespace {

using test::Record;

TEST(WindowTest, FixedWindowIsCentredWithItsOuterSizeAndBoxes) {
  WindowDescription d{test::Window("Fixed", 400, 300), {}};
  d.window.left = 5;  // ignored: start position 1 centres
  d.window.top = 5;
  test::Shown window = test::OpenShown(std::move(d));
  QWidget* form = window.widget();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->objectName(), QStringLiteral("Fixed"));
  EXPECT_EQ(form->frameGeometry().size(), QSize(400, 300));
  EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "style 2 is not resizable";
  const QRect area = form->screen()->availableGeometry();
  EXPECT_LE((form->frameGeometry().center() - area.center()).manhattanLength(), 2);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
  test::Destroy(window);
  EXPECT_FALSE(window.isOpen());
}

TEST(WindowTest, ClientSizeLeavesRoomForTheFrameTheSystemReports) {
  WindowDescription d{test::Window("Margins", 300, 200), {}};
  test::App();
  WindowRef window = OpenWindow(std::move(d));
  auto* form = static_cast<Form*>(window.widget());
  const QMargins frame = form->windowHandle() ? form->windowHandle()->frameMargins() : QMargins();
  EXPECT_EQ(form->clientSizeForOuter(),
            QSize(300 - frame.left() - frame.right(), 200 - frame.top() - frame.bottom()));
  test::Destroy(window);
}

TEST(WindowTest, ResizableStylesAreResizableAndStartPositionZeroKeepsLeftTop) {
  WindowDescription d{test::Window("Sizable", 300, 200), {}};
  d.window.borderStyle = 1;
  d.window.startPosition = 0;
  d.window.left = 40;
  d.window.top = 30;
  test::Shown window = test::OpenShown(std::move(d));
  QWidget* form = window.widget();
  EXPECT_NE(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(40, 30));
  test::Destroy(window);
}

TEST(WindowTest, EarlierRecordsLieAboveLaterSiblingsAndChildrenAreClippedByTheirParent) {
  LabelProps red{.caption = T("A"), .background = Colour::Rgb(255, 0, 0)};
  LabelProps green{.caption = T("B"), .background = Colour::Rgb(0, 255, 0)};
  PicBoxProps box{.background = Colour::Rgb(0, 0, 255)};
  WindowDescription d{
      test::Window("Stack", 300, 200),
      {Record("top", red, {10, 10, 50, 50}), Record("under", green, {30, 30, 50, 50}),
       Record("child", LabelProps{.caption = T(""), .background = Colour::Rgb(255, 255, 0)},
              {-10, -10, 200, 200}, "box"),
       Record("box", box, {150, 100, 40, 40})}};
  test::Shown window = test::OpenShown(std::move(d));
  QWidget* form = window.widget();
  EXPECT_EQ(form->childAt(40, 40), test::Widget(window, "top"));
  EXPECT_EQ(form->childAt(70, 70), test::Widget(window, "under"));
  QWidget* child = test::Widget(window, "child");
  EXPECT_EQ(child->parentWidget(), test::Widget(window, "box"));
  EXPECT_EQ(child->pos(), QPoint(-10, -10));
  const QImage shown = test::ScreenImage(window);
  EXPECT_EQ(shown.pixelColor(160, 110), QColor(255, 255, 0));
  EXPECT_NE(shown.pixelColor(195, 145), QColor(255, 255, 0)) << "outside the parent";
  EXPECT_NE(shown.pixelColor(145, 95), QColor(255, 255, 0)) << "negative part clipped";
  test::Destroy(window);
}

TEST(WindowTest, CloseQueryFalseKeepsTheWindowAndItsControls) {
  bool allow = false;
  int asked = 0;
  WindowDescription d{test::Window("Query", 300, 200),
                      {Record("edit", EditBoxProps{.text = T("kept")}, {10, 10, 100, 20})}};
  d.window.bindings = {{Event::CloseQuery, [&](const EventArgs&) {
                          ++asked;
                          return allow;
                        }}};
  test::Shown window = test::OpenShown(std::move(d));
  window.widget()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(asked, 1);
  ASSERT_TRUE(window.isOpen());
  EXPECT_TRUE(window.widget()->isVisible());
  EXPECT_EQ(window.control(T("edit")).caption(), T("kept"));
  allow = true;
  window.requestClose();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(window.isOpen());
  EXPECT_EQ(window.control(T("edit")).caption(), Text());
}

TEST(WindowTest, EscClosesThroughCloseQueryOnlyWhenAllowed) {
  for (const bool escCloses : {true, false}) {
    int asked = 0;
    WindowDescription d{test::Window("Esc", 300, 200),
                        {Record("edit", EditBoxProps{}, {10, 10, 100, 20})}};
    d.window.escCloses = escCloses;
    d.window.bindings = {{Event::CloseQuery, [&] { ++asked; }}};
    test::Shown window = test::OpenShown(std::move(d));
    QWidget* edit = test::Widget(window, "edit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(asked, escCloses ? 1 : 0);
    EXPECT_EQ(window.isOpen(), !escCloses);
    test::Destroy(window);
  }
}

TEST(WindowTest, CreatedIsRaisedOnceAfterAllControlsExist) {
  int created = 0;
  bool sawControl = false;
  WindowDescription d{test::Window("Created", 300, 200),
                      {Record("label", LabelProps{}, {1, 1, 50, 20})}};
  d.window.bindings = {{Event::Created, [&](const EventArgs& args) {
                          ++created;
                          sawControl = args.window.control(T("label")).caption() == T("标签");
                        }}};
  test::Shown window = test::OpenShown(std::move(d));
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(sawControl);
  EXPECT_EQ(FindWindow(T("Created")), window);
  test::Destroy(window);
  EXPECT_FALSE(FindWindow(T("Created")).isOpen());
}

TEST(WindowTest, HiddenWindowIsShownCentredByItsHandle) {
  WindowDescription d{test::Window("Hidden", 200, 100), {}};
  d.window.visible = false;
  test::App();
  WindowRef window = OpenWindow(std::move(d));
  EXPECT_FALSE(window.widget()->isVisible());
  window.show();
  EXPECT_TRUE(window.widget()->isVisible());
  // The frame becomes known once the window is mapped; the outer size is refitted to it.
  EXPECT_TRUE(test::WaitFor([&] {
    return window.widget()->frameGeometry().size() == QSize(200, 100);
  })) << window.widget()->frameGeometry().width()
      << "x" << window.widget()->frameGeometry().height();
  test::Destroy(window);
}

}  // namespace
}  // namespace om
