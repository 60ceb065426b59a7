#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>

#include "tests/ui/ui_support.h"

namespace om {
namespace {

using test::Record;

ImageBytes GradientPng(QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, size.width(), size.height());
  gradient.setColorAt(0, QColor(200, 40, 40));
  gradient.setColorAt(1, QColor(40, 40, 200));
  painter.fillRect(image.rect(), gradient);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return ImageBytes(bytes.constData(), static_cast<size_t>(bytes.size()));
}

WindowDescription Gallery() {
  std::vector<ControlRecord> c;
  c.push_back(
      Record("分组框1", GroupBoxProps{.title = T("分组框"), .titleAlign = 1}, {8, 4, 300, 110}));
  c.push_back(Record("图片框1", PicBoxProps{.picture = GradientPng({400, 120}), .displayMode = 1},
                     {10, 20, 280, 80}, "分组框1"));
  c.push_back(Record(
      "标签_确诊",
      TransLabelProps{.caption = T("确诊：12345"), .textColour = kBlack, .font = Font::Bold(14)},
      {8, 4, 160, 18}, "图片框1"));
  c.push_back(Record("标签_治愈",
                     TransLabelProps{.caption = T("治愈：678"),
                                     .textColour = Colour::Rgb(128, 128, 0),
                                     .font = Font::Bold(14)},
                     {8, 44, 160, 18}, "图片框1"));
  c.push_back(Record(
      "标签5",
      LabelProps{
          .caption = T("更新时间"), .textColour = Colour::Rgb(88, 48, 224), .font = Font::Bold(12)},
      {320, 10, 160, 16}));
  c.push_back(Record("编辑框", EditBoxProps{.text = T("编辑框文字")}, {320, 34, 160, 24}));
  c.push_back(Record("按钮", ButtonProps{.caption = T("搜查")}, {320, 64, 80, 26}));
  c.push_back(Record("组合框1",
                     ComboBoxProps{.type = 2, .items = {T("飞机"), T("火车")}, .currentIndex = 0},
                     {410, 64, 90, 20}));
  for (int shape = 0; shape < 8; ++shape) {
    ShapeBoxProps props{.shape = shape,
                        .relief = shape == 1 ? 1 : (shape == 5 ? 2 : 0),
                        .lineStyle = shape == 2 ? 2 : 1,
                        .lineWidth = shape == 4 ? 3 : 1,
                        .lineColour = Colour::Rgb(0, 0, 160),
                        .fillColour = shape == 3 ? Colour::Rgb(255, 220, 120) : Colour()};
    c.push_back(
        Record(("外形框" + std::to_string(shape)).c_str(), props, {8 + shape * 62, 120, 58, 40}));
  }
  ListViewProps list{.view = 3,
                     .columns = {{T("序号"), 38, 0}, {T("地区-省"), 80, 1}, {T("确诊"), 60, 1}},
                     .fullRowSelect = true,
                     .gridLines = true};
  c.push_back(Record("高级选择夹1",
                     PageControlProps{.pages = {T("  全国数据  "), T(" 新闻 "), T(" 谣言鉴别 ")},
                                      .captionFont = Font::Bold(13),
                                      .headerHeight = 30},
                     {8, 170, 300, 200}));
  ControlRecord listRecord = Record("超级列表框1", list, {5, 32, 288, 160}, "高级选择夹1");
  c.push_back(listRecord);
  c.push_back(Record("分隔条1", SplitterBarProps{.orientation = 1}, {-8, 380, 540, 30}));
  c.push_back(Record(
      "透明标签6",
      TransLabelProps{.caption = T("您好！欢迎使用"), .textColour = Colour::Rgb(128, 128, 128)},
      {16, 387, 184, 16}));
  c.push_back(Record("时钟1", TimerProps{}, {}));
  // Status strip text above the bar: earlier records lie on top.
  std::swap(c[c.size() - 2], c[c.size() - 3]);
  WindowRecord window = test::Window("Gallery", 520, 420);
  window.title = T("控件一览");
  return {window, c};
}

TEST(GalleryTest, EveryKindRendersIntoOnePicture) {
  test::Shown window = test::OpenShown(Gallery());
  ControlRef list = window.control(T("超级列表框1"));
  list.addRow({T("1"), T("湖北"), T("67000")});
  list.addRow({T("2"), T("广东"), T("1300")});
  list.addRow({T("3"), T("一个很长很长的地区名称"), T("1")});
  QCoreApplication::processEvents();
  const QImage picture = window.widget()->grab().toImage();
  const QString folder = QStringLiteral(OM_BINARY_DIR) + QStringLiteral("/artifacts");
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(picture.save(folder + QStringLiteral("/gallery.png")));
  EXPECT_EQ(window.widget()->frameGeometry().size(), QSize(520, 420));
  EXPECT_EQ(picture.size(), window.widget()->size());
  test::Destroy(window);
}

}  // namespace
}  // namespace om
