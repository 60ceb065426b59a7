// Sources that fail: a missing or garbled page, a page that turns bad between refreshes, an
// answer that never ends, an answer that keeps the script engine busy. The other sources fill
// their controls, the last good data stay, and no task outlives its time limit.
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

bool Complete(const DemoRun& run) {
  return run.state[Q("run")][Q("complete")].toBool();
}

struct BrokenSource {
  const char* file;
  bool garbage;  // garbage in place of the file; otherwise the file is missing
  const char* failing;
};

TEST(DashboardFailures, BrokenSourceLeavesTheOthersFilledAndIsNamedInTheStatus) {
  const BrokenSource cases[] = {
      {"dxy_pneumonia.html", false, "丁香园失败"},   {"dxy_pneumonia.html", true, "丁香园失败"},
      {"baidu_newpneumonia.html", true, "百度失败"}, {"sogou_epidemic.html", false, "搜狗失败"},
      {"baidu_news.json", true, "新闻失败"},         {"sogou_map.png", true, "地图失败"},
      {"sogou_map.png", false, "地图失败"},
  };
  for (const BrokenSource& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.garbage ? " garbage" : " missing"));
    SampleCopy samples;
    if (c.garbage)
      samples.write(Q(c.file), Garbage());
    else
      samples.remove(Q(c.file));
    const DemoRun run = RunDemo({Q("--samples"), samples.dir()});
    ASSERT_TRUE(run.finished);
    ASSERT_TRUE(Complete(run));
    const QJsonObject& state = run.state;
    const QString file = Q(c.file);
    EXPECT_TRUE(Label(state, "透明标签5").endsWith(Q(c.failing))) << S(Label(state, "透明标签5"));
    EXPECT_EQ(Rows(state, "超级列表框1").size(), file.startsWith(Q("dxy")) ? 0 : 34);
    EXPECT_EQ(Rows(state, "超级列表框3").size(), file == Q("baidu_news.json") ? 0 : 24);
    EXPECT_EQ(HasPicture(state, "图片框_疫情分布图"), !file.startsWith(Q("sogou_map")));
    // Baidu and Sogou stand in for each other's figures; the rises come from Sogou alone.
    EXPECT_TRUE(Label(state, "标签_确诊").startsWith(Q("确诊：4")));
    EXPECT_TRUE(Label(state, "标签_治愈").startsWith(Q("治愈：3")));
    EXPECT_EQ(Label(state, "透明标签7").isEmpty(), file.startsWith(Q("sogou_epidemic")));
    EXPECT_EQ(Label(state, "透明标签2").isEmpty(), file.startsWith(Q("baidu_newpneumonia")));
  }
}

TEST(DashboardFailures, LastGoodDataStayWhenLaterRefreshesFail) {
  SampleCopy samples;
  const char* broken[] = {"dxy_pneumonia.html", "baidu_newpneumonia.html", "sogou_epidemic.html",
                          "baidu_news.json", "sogou_map.png"};
  bool swapped = false;
  // Six quick refreshes; once both periodic workers have filled the window, every periodic
  // source turns to garbage.
  const QRegularExpression progress(Q(R"re(statistics=(\d+) newsAndMap=(\d+))re"));
  const DemoRun run = RunDemo(
      {Q("--samples"), samples.dir(), Q("--refresh-interval"), Q("300"), Q("--refreshes"), Q("6")},
      [&](const QByteArray& line) {
        const QRegularExpressionMatch counts = progress.match(QString::fromUtf8(line));
        if (swapped || !counts.hasMatch() || counts.captured(1).toInt() < 1 ||
            counts.captured(2).toInt() < 1)
          return;
        for (const char* file : broken) samples.write(Q(file), Garbage());
        swapped = true;
      });
  ASSERT_TRUE(swapped);
  ASSERT_TRUE(run.finished);
  ASSERT_TRUE(Complete(run));
  const QJsonObject& state = run.state;
  EXPECT_GE(RunCount(state, "statisticsRuns"), 6);
  // Refreshes ran on the broken files: the status counts all five periodic sources failing.
  EXPECT_TRUE(Label(state, "透明标签5").endsWith(Q("等5源失败"))) << S(Label(state, "透明标签5"));
  EXPECT_EQ(Rows(state, "超级列表框1").size(), 34);
  EXPECT_EQ(Rows(state, "超级列表框3").size(), 24);
  EXPECT_TRUE(HasPicture(state, "图片框_疫情分布图"));
  for (const char* label : {"标签_确诊", "标签_疑似", "标签_死亡", "标签_治愈"})
    EXPECT_TRUE(QRegularExpression(Q(R"re(：\d+$)re")).match(Label(state, label)).hasMatch())
        << label << " " << S(Label(state, label));
  for (const char* label : {"透明标签7", "透明标签8", "透明标签9", "透明标签10"})
    EXPECT_TRUE(Label(state, label).startsWith(Q("较昨日↑"))) << label;
  EXPECT_TRUE(Label(state, "透明标签2").startsWith(Q("最新更新：2")));
}

TEST(DashboardFailures, AnswerThatNeverEndsHoldsNoTaskPastItsTimeLimit) {
  // Every DXY answer stops after a few bytes and never ends; fetches give up after a second.
  // Three statistics runs can only finish when each fetch ended on time; ticks that come while
  // a run still waits return at once.
  const DemoRun run = RunDemo({Q("--endless"), Q("dxy_pneumonia.html"), Q("--fetch-timeout"),
                               Q("1000"), Q("--refresh-interval"), Q("250"), Q("--refreshes"),
                               Q("3"), Q("--timeout"), Q("30000")});
  ASSERT_TRUE(run.finished);
  ASSERT_TRUE(Complete(run)) << run.errors.constData();
  const QJsonObject& state = run.state;
  EXPECT_GE(RunCount(state, "statisticsRuns"), 3);
  EXPECT_GT(RunCount(state, "skippedRuns"), 0);
  EXPECT_LT(run.elapsedMs, 15000);
  EXPECT_TRUE(Rows(state, "超级列表框1").isEmpty());
  EXPECT_TRUE(Label(state, "透明标签5").endsWith(Q("丁香园失败")));
  // The window kept working meanwhile: news, map and summary arrived and the clock ticked.
  EXPECT_EQ(Rows(state, "超级列表框3").size(), 24);
  EXPECT_TRUE(HasPicture(state, "图片框_疫情分布图"));
  EXPECT_TRUE(Label(state, "标签_确诊").startsWith(Q("确诊：4")));
  EXPECT_TRUE(Label(state, "标签5").contains(Q("当前时间"))) << S(Label(state, "标签5"));
}

TEST(DashboardFailures, AnswerThatLoopsTheScriptEngineIsCutOffByTheTimeLimit) {
  SampleCopy samples;
  // A rumour answer and a Baidu summary that would run forever when evaluated.
  samples.write(Q("tianapi_rumour.json"), R"re({"code":200,"newslist":eval("for(;;);")})re");
  QByteArray baidu = samples.read(Q("baidu_newpneumonia.html"));
  const QByteArray marker = "summaryDataIn\":{";
  const qsizetype at = baidu.indexOf(marker);
  ASSERT_GE(at, 0);
  baidu.insert(at + marker.size(), R"re("confirmed":eval("for(;;);"),)re");
  samples.write(Q("baidu_newpneumonia.html"), baidu);

  const DemoRun run = RunDemo({Q("--samples"), samples.dir(), Q("--query-rumour"), Q("for"),
                               Q("--refresh-interval"), Q("500"), Q("--refreshes"), Q("2")});
  ASSERT_TRUE(run.finished);
  ASSERT_TRUE(Complete(run));
  const QJsonObject& state = run.state;
  EXPECT_LT(run.elapsedMs, 20000);
  EXPECT_GE(RunCount(state, "statisticsRuns"), 2);
  const QJsonArray boxes = MessageBoxes(state);
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(S(boxes[0].toObject()[Q("text")].toString()), S(Q("暂无可查询的内容，请重新查询")));
  // Baidu's summary gave nothing; Sogou's figures stand in.
  EXPECT_TRUE(Label(state, "标签_确诊").startsWith(Q("确诊：4")));
  EXPECT_TRUE(Label(state, "透明标签5").endsWith(Q("百度失败")));
  EXPECT_EQ(Rows(state, "超级列表框1").size(), 34);
}

}  // namespace
}  // namespace om::e2e
