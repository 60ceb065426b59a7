// The dashboard filled from the bundled samples, end to end: replay server, fetches, parsers,
// workers, control handles, window.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "tests/e2e/demo_harness.h"

namespace om::e2e {
namespace {

std::string S(const QString& text) {
  return text.toStdString();
}

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The first group of `pattern` in a bundled sample.
QString FromSample(const char* file, const char* pattern) {
  QFile in(BundledSample(Q(file)));
  EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
  const QRegularExpressionMatch match =
      QRegularExpression(Q(pattern)).match(QString::fromUtf8(in.readAll()));
  EXPECT_TRUE(match.hasMatch()) << pattern;
  return match.captured(1);
}

TEST(DashboardFill, SummaryLabelsShowTheBaiduFiguresAndTheSogouRises) {
  const DemoRun run = RunDemo({});
  ASSERT_TRUE(run.finished) << run.errors.constData();
  ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool());
  const QJsonObject& state = run.state;
  struct Case {
    const char* label;
    const char* text;
    const char* file;
    const char* pattern;
  };
  const Case cases[] = {
      {"标签_确诊", "确诊：", "baidu_newpneumonia.html",
       R"re(summaryDataIn":\{[^}]*"confirmed":"(\d+)")re"},
      {"标签_疑似", "疑似：", "baidu_newpneumonia.html",
       R"re(summaryDataIn":\{[^}]*"unconfirmed":"(\d+)")re"},
      {"标签_死亡", "死亡：", "baidu_newpneumonia.html",
       R"re(summaryDataIn":\{[^}]*"died":"(\d+)")re"},
      {"标签_治愈", "治愈：", "baidu_newpneumonia.html",
       R"re(summaryDataIn":\{[^}]*"cured":"(\d+)")re"},
      {"透明标签2", "最新更新：", "baidu_newpneumonia.html",
       R"re(mapLastUpdatedTime":"([^"]+)")re"},
      {"透明标签7", "较昨日↑", "sogou_epidemic.html", R"re("diagnosedAdd":"?(\d+))re"},
      {"透明标签9", "较昨日↑", "sogou_epidemic.html", R"re("suspectAdd":"?(\d+))re"},
      {"透明标签8", "较昨日↑", "sogou_epidemic.html", R"re("curedAdd":"?(\d+))re"},
      {"透明标签10", "较昨日↑", "sogou_epidemic.html", R"re("deathAdd":"?(\d+))re"},
  };
  for (const Case& c : cases) {
    const QString value = FromSample(c.file, c.pattern);
    ASSERT_FALSE(value.isEmpty()) << c.label;
    EXPECT_EQ(S(Label(state, c.label)), S(Q(c.text) + value)) << c.label;
  }
}

TEST(DashboardFill, NoLabelKeepsItsPlaceholderAndTheStatusSaysSampleData) {
  const DemoRun run = RunDemo({});
  ASSERT_TRUE(run.finished);
  const QJsonObject labels = run.state[Q("labels")].toObject();
  ASSERT_FALSE(labels.isEmpty());
  for (auto it = labels.begin(); it != labels.end(); ++it)
    EXPECT_NE(S(it.value().toString()), S(Q("透明标签"))) << S(it.key());
  const QString status = Label(run.state, "透明标签5");
  EXPECT_TRUE(status.startsWith(Q("样例数据·"))) << S(status);
  EXPECT_TRUE(QRegularExpression(Q(R"re(\d\d:\d\d:\d\d 到达$)re")).match(status).hasMatch())
      << S(status);
  EXPECT_TRUE(MessageBoxes(run.state).isEmpty());
}

TEST(DashboardFill, ProvinceListHoldsEveryProvinceNumberedFromOne) {
  const DemoRun run = RunDemo({});
  ASSERT_TRUE(run.finished);
  const QJsonArray rows = Rows(run.state, "超级列表框1");
  ASSERT_EQ(rows.size(), 34);
  const QRegularExpression digits(Q(R"re(^\d+$)re"));
  for (int i = 0; i < rows.size(); ++i) {
    const QJsonArray row = rows[i].toArray();
    ASSERT_EQ(row.size(), 5);
    EXPECT_EQ(row[0].toString().toInt(), i + 1);
    EXPECT_FALSE(row[1].toString().isEmpty()) << i;
    for (int column = 2; column < 5; ++column)
      EXPECT_TRUE(digits.match(row[column].toString()).hasMatch()) << i << " " << column;
  }
  EXPECT_EQ(S(Cell(run.state, "超级列表框1", 0, 1)), S(Q("湖北")));
  // The city list waits for a click.
  EXPECT_TRUE(Rows(run.state, "超级列表框2").isEmpty());
}

TEST(DashboardFill, ClickOnAProvinceListsItsCitiesAddingUpToItsCount) {
  for (int province : {0, 1}) {
    const DemoRun run = RunDemo({Q("--click-province"), QString::number(province)});
    ASSERT_TRUE(run.finished);
    ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool());
    const QJsonArray cities = Rows(run.state, "超级列表框2");
    ASSERT_GT(cities.size(), 1) << province;
    int sum = 0;
    for (int i = 0; i < cities.size(); ++i) {
      const QJsonArray row = cities[i].toArray();
      EXPECT_EQ(row[0].toString().toInt(), i + 1);
      EXPECT_FALSE(row[1].toString().isEmpty());
      sum += row[2].toString().toInt();
    }
    EXPECT_EQ(sum, Cell(run.state, "超级列表框1", province, 2).toInt()) << province;
  }
}

TEST(DashboardFill, NewsListAndMapPictureAreFilled) {
  const DemoRun run = RunDemo({});
  ASSERT_TRUE(run.finished);
  const QJsonArray news = Rows(run.state, "超级列表框3");
  ASSERT_EQ(news.size(), 24);
  const QRegularExpression time(Q(R"re(^\d{4}-\d\d-\d\d \d\d:\d\d$)re"));
  for (const QJsonValue& value : news) {
    const QJsonArray row = value.toArray();
    EXPECT_FALSE(row[0].toString().isEmpty());
    EXPECT_FALSE(row[1].toString().isEmpty());
    EXPECT_TRUE(time.match(row[2].toString()).hasMatch()) << S(row[2].toString());
  }
  EXPECT_TRUE(HasPicture(run.state, "图片框_疫情分布图"));
  EXPECT_EQ(run.state[Q("currentPage")].toInt(), 0);
}

TEST(DashboardFill, PressOnTheCuredLabelRefreshesTheSummaryOnce) {
  for (bool press : {false, true}) {
    QStringList arguments;
    if (press) arguments << Q("--press-cured-label");
    const DemoRun run = RunDemo(arguments);
    ASSERT_TRUE(run.finished);
    ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool());
    EXPECT_EQ(RunCount(run.state, "summaryRuns"), press ? 1 : 0);
    EXPECT_TRUE(Label(run.state, "标签_治愈").startsWith(Q("治愈：3")));
  }
}

}  // namespace
}  // namespace om::e2e
