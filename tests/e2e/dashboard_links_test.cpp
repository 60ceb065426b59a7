// Double-clicks on the news and same-trip lists hand the row's own link to the browser, and
// only web links; the demo records the links instead of opening a browser.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

#include "tests/e2e/demo_harness.h"

namespace om::e2e {
namespace {

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QByteArray ReadSample(const char* file) {
  QFile in(BundledSample(Q(file)));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The news answer's addresses in answer order, with "\/" written back as "/".
QStringList NewsAddresses(const QByteArray& answer) {
  QStringList addresses;
  const QRegularExpression url(Q(R"re("eventUrl":"([^"]*)")re"));
  for (const QRegularExpressionMatch& match : url.globalMatch(QString::fromUtf8(answer)))
    addresses.append(match.captured(1).replace(Q("\\/"), Q("/")));
  return addresses;
}

QStringList OpenedLinks(const DemoRun& run) {
  QStringList links;
  for (const QJsonValue& link : run.state[Q("openedLinks")].toArray())
    links.append(link.toString());
  return links;
}

TEST(DashboardLinks, DoubleClickOnANewsRowOpensThatItemsAddress) {
  const QStringList addresses = NewsAddresses(ReadSample("baidu_news.json"));
  ASSERT_EQ(addresses.size(), 24);
  for (int row : {0, 2, 23}) {
    const DemoRun run =
        RunDemo({Q("--record-links"), Q("--double-click-news"), QString::number(row)});
    ASSERT_TRUE(run.finished);
    ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool()) << row;
    EXPECT_EQ(OpenedLinks(run), QStringList{addresses[row]}) << row;
  }
}

TEST(DashboardLinks, DoubleClickOnASameTripRowOpensItsSource) {
  const QJsonArray trips = QJsonDocument::fromJson(ReadSample("tianapi_same_trip_type_2.json"))
                               .object()[Q("newslist")]
                               .toArray();
  ASSERT_GT(trips.size(), 1);
  const DemoRun run = RunDemo({Q("--record-links"), Q("--query-same-trip"), Q("1"), Q("G1"),
                               QString(), Q("--double-click-same-trip"), Q("1")});
  ASSERT_TRUE(run.finished);
  ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool());
  EXPECT_EQ(OpenedLinks(run), QStringList{trips[1].toObject()[Q("source")].toString()});
}

TEST(DashboardLinks, OnlyWebLinksReachTheBrowser) {
  for (const char* link : {"javascript:alert(1)", "file:///etc/passwd", "ftp://example.org/x"}) {
    SampleCopy samples;
    QByteArray news = samples.read(Q("baidu_news.json"));
    const QRegularExpression first(Q(R"re("eventUrl":"[^"]*")re"));
    QString text = QString::fromUtf8(news);
    const QRegularExpressionMatch match = first.match(text);
    ASSERT_TRUE(match.hasMatch());
    text.replace(match.capturedStart(), match.capturedLength(),
                 Q("\"eventUrl\":\"") + Q(link) + Q("\""));
    samples.write(Q("baidu_news.json"), text.toUtf8());
    const DemoRun run = RunDemo(
        {Q("--samples"), samples.dir(), Q("--record-links"), Q("--double-click-news"), Q("0")});
    ASSERT_TRUE(run.finished) << link;
    ASSERT_TRUE(run.state[Q("run")][Q("complete")].toBool()) << link;
    EXPECT_TRUE(run.state.contains(Q("openedLinks"))) << link;
    EXPECT_TRUE(OpenedLinks(run).isEmpty())
        << link << " " << OpenedLinks(run).join(Q(" ")).toStdString();
    // The row is there, with the item's title: only its link was held back.
    EXPECT_EQ(Rows(run.state, "超级列表框3").size(), 24) << link;
  }
}

}  // namespace
}  // namespace om::e2e
