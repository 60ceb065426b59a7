// Hostile answers: a server that never answers, drips, floods or sends a gigabyte, pages and
// answers built to hang, flood or exhaust the parsers and the script engine, pictures that are
// none or claim a giant size. For each, the window keeps running its events (the clock label
// keeps changing), the other sources fill their controls, the last good data stay and the
// process stays within 500 MB of memory.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <cstdio>
#include <functional>

#include "tests/e2e/demo_harness.h"

namespace om::e2e {
namespace {

#ifdef OM_SANITIZED
// A sanitized demo also keeps shadow memory for what it touches (an eighth and more).
constexpr qint64 kMemoryLimitKb = 750'000'000 / 1024;
#else
constexpr qint64 kMemoryLimitKb = 500'000'000 / 1024;
#endif
// The demo beats every 100 ms; a longer silence means the window thread was held.
constexpr int kHeartbeatMs = 100;
constexpr qint64 kLongestStallMs = 1500;

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

std::string S(const QString& text) {
  return text.toStdString();
}

// A "Name:   1234 kB" line of a /proc status file; -1 when missing.
qint64 StatusKb(const QByteArray& status, const char* name) {
  const QRegularExpression line(Q(R"re((?:^|\n)%1:\s*(\d+) kB)re").arg(Q(name)));
  const QRegularExpressionMatch m = line.match(QString::fromLatin1(status));
  return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

// What the heartbeat lines and the process's /proc entry tell about a run.
class Vitals {
 public:
  void see(const QByteArray& line) {
    static const QRegularExpression beat(
        Q(R"re(^heartbeat pid=(\d+) ms=(\d+) rss=(-?\d+) hwm=(-?\d+) clock=(.*)$)re"));
    const QRegularExpressionMatch m = beat.match(QString::fromUtf8(line));
    if (!m.hasMatch()) return;
    const qint64 ms = m.captured(2).toLongLong();
    if (beats_ > 0) longestGapMs_ = std::max(longestGapMs_, ms - lastMs_);
    lastMs_ = ms;
    ++beats_;
    clocks_.insert(m.captured(5));
    peakKb_ = std::max({peakKb_, m.captured(3).toLongLong(), m.captured(4).toLongLong()});
    sampleProc(m.captured(1));
  }

  int beats() const { return beats_; }
  qint64 longestGapMs() const { return longestGapMs_; }
  qint64 spanMs() const { return lastMs_; }
  int distinctClocks() const { return static_cast<int>(clocks_.size()); }
  qint64 peakKb() const { return peakKb_; }

 private:
  // Read from outside, so a figure does not rest on the demo's own report alone.
  void sampleProc(const QString& pid) {
    QFile status(Q("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return;
    const QByteArray text = status.readAll();
    peakKb_ = std::max({peakKb_, StatusKb(text, "VmRSS"), StatusKb(text, "VmHWM")});
  }

  int beats_ = 0;
  qint64 lastMs_ = 0;
  qint64 longestGapMs_ = 0;
  qint64 peakKb_ = 0;
  QSet<QString> clocks_;
};

// One row of the results table, printed for the record.
void Report(const char* name, const QString& outcome, const Vitals& vitals, const DemoRun& run) {
  std::printf("[hostile] %s | %s | peak %lld MB | %.1f s | longest stall %lld ms\n", name,
              outcome.toUtf8().constData(), vitals.peakKb() / 1024, run.elapsedMs / 1000.0,
              vitals.longestGapMs());
  std::fflush(stdout);
}

// A run of the demo that swaps files in once both periodic workers have filled the window.
struct HostileRun {
  QStringList arguments;
  std::function<void()> swapIn;  // empty: nothing to swap
  int refreshes = 4;
};

struct Outcome {
  DemoRun run;
  Vitals vitals;
  bool swapped = false;
};

Outcome RunHostile(const SampleCopy& samples, const HostileRun& hostile) {
  Outcome out;
  const QRegularExpression progress(Q(R"re(statistics=(\d+) newsAndMap=(\d+))re"));
  QStringList arguments = {Q("--samples"),          samples.dir(),
                           Q("--heartbeat"),        QString::number(kHeartbeatMs),
                           Q("--refresh-interval"), Q("600"),
                           Q("--fetch-timeout"),    Q("1500"),
                           Q("--refreshes"),        QString::number(hostile.refreshes),
                           Q("--timeout"),          Q("40000")};
  arguments += hostile.arguments;
  out.swapped = !hostile.swapIn;
  out.run = RunDemo(
      arguments,
      [&](const QByteArray& line) {
        out.vitals.see(line);
        const QRegularExpressionMatch counts = progress.match(QString::fromUtf8(line));
        if (out.swapped || !counts.hasMatch() || counts.captured(1).toInt() < 1 ||
            counts.captured(2).toInt() < 1)
          return;
        hostile.swapIn();
        out.swapped = true;
      },
      50000);
  return out;
}

// What every hostile case must show: the run ended by itself with the window filled, the
// refreshes after the swap ran to their end, the window thread never stalled, the clock
// kept changing, and memory stayed within the limit.
void ExpectSurvived(const Outcome& out, int refreshes) {
  const QJsonObject& state = out.run.state;
  ASSERT_TRUE(out.swapped);
  ASSERT_TRUE(out.run.finished) << out.run.errors.constData();
  ASSERT_TRUE(state[Q("run")][Q("complete")].toBool()) << out.run.errors.constData();
  EXPECT_GE(RunCount(state, "statisticsRuns"), refreshes);
  EXPECT_GE(RunCount(state, "newsAndMapRuns"), refreshes);
  EXPECT_GT(out.vitals.beats(), 5);
  EXPECT_LT(out.vitals.longestGapMs(), kLongestStallMs);
  // One clock text per second of the run, give or take the seconds at either end.
  EXPECT_GE(out.vitals.distinctClocks(), std::max<qint64>(2, out.vitals.spanMs() / 1000 - 1));
  EXPECT_TRUE(Label(state, "标签5").contains(Q("当前时间"))) << S(Label(state, "标签5"));
  EXPECT_GT(out.vitals.peakKb(), 0);
  EXPECT_LT(out.vitals.peakKb(), kMemoryLimitKb);
}

// The controls each periodic source fills, as the bundled samples fill them.
void ExpectDxyShown(const QJsonObject& state) {
  EXPECT_EQ(Rows(state, "超级列表框1").size(), 34);
  EXPECT_EQ(S(Cell(state, "超级列表框1", 0, 1)), S(Q("湖北")));
}
void ExpectSummaryShown(const QJsonObject& state) {
  EXPECT_TRUE(Label(state, "标签_确诊").startsWith(Q("确诊：4"))) << S(Label(state, "标签_确诊"));
  EXPECT_TRUE(Label(state, "标签_治愈").startsWith(Q("治愈：3")));
  EXPECT_TRUE(Label(state, "透明标签7").startsWith(Q("较昨日↑")));
}
void ExpectNewsShown(const QJsonObject& state) {
  EXPECT_EQ(Rows(state, "超级列表框3").size(), 24);
}
void ExpectMapShown(const QJsonObject& state) {
  EXPECT_TRUE(HasPicture(state, "图片框_疫情分布图"));
}
void ExpectEverythingShown(const QJsonObject& state) {
  ExpectDxyShown(state);
  ExpectSummaryShown(state);
  ExpectNewsShown(state);
  ExpectMapShown(state);
}

QString Status(const Outcome& out) {
  return Label(out.run.state, "透明标签5");
}

// --- Servers that misbehave on the wire -------------------------------------------------------

struct WireCase {
  const char* name;
  const char* mode;
};

TEST(HostileServers, WireMisbehaviourOnEveryKindOfFetchLeavesTheLastGoodData) {
  // The DXY page comes through the page request, the news through the answer fetch and the
  // map through the whole-resource read; each serves one good answer first.
  const WireCase cases[] = {
      {"no answer at all", "silent"},
      {"one byte per second", "drip"},
      {"1 GiB body, length announced", "huge"},
      {"1 GiB body, chunked", "flood"},
  };
  for (const WireCase& c : cases) {
    SCOPED_TRACE(c.name);
    SampleCopy samples;
    HostileRun hostile;
    for (const char* file : {"dxy_pneumonia.html", "baidu_news.json", "sogou_map.png"})
      hostile.arguments << Q("--hostile") << Q("%1:%2:1").arg(Q(c.mode), Q(file));
    const Outcome out = RunHostile(samples, hostile);
    ExpectSurvived(out, hostile.refreshes);
    ExpectEverythingShown(out.run.state);
    EXPECT_TRUE(Status(out).endsWith(Q("等3源失败"))) << S(Status(out));
    EXPECT_LT(out.run.elapsedMs, 25000);
    Report(c.name, Status(out), out.vitals, out.run);
  }
}

TEST(HostileServers, FloodOnEverySourceAtOnceStaysWithinTheMemoryLimit) {
  // Five tasks fetch at the same time (statistics, news and map, the summary the cured label
  // starts, and both queries), every answer a chunked gigabyte from the first one on.
  SampleCopy samples;
  HostileRun hostile;
  for (const char* file :
       {"dxy_pneumonia.html", "baidu_newpneumonia.html", "sogou_epidemic.html", "baidu_news.json",
        "sogou_map.png", "tianapi_rumour.json", "tianapi_same_trip_type_1.json"})
    hostile.arguments << Q("--hostile") << Q("flood:%1").arg(Q(file));
  hostile.arguments << Q("--query-rumour") << Q("大蒜") << Q("--query-same-trip") << Q("0")
                    << Q("CA123") << QString() << Q("--press-cured-label");
  hostile.refreshes = 3;
  const Outcome out = RunHostile(samples, hostile);
  ExpectSurvived(out, hostile.refreshes);
  const QJsonObject& state = out.run.state;
  EXPECT_GE(RunCount(state, "summaryRuns"), 1);
  EXPECT_GE(RunCount(state, "sameTripRuns"), 1);
  EXPECT_GE(RunCount(state, "rumourRuns"), 1);
  EXPECT_TRUE(Rows(state, "超级列表框1").isEmpty());
  EXPECT_TRUE(Status(out).endsWith(Q("源失败"))) << S(Status(out));
  Report("1 GiB chunked on all seven sources at once", Status(out), out.vitals, out.run);
}

// --- Answers built to hurt the parsers ---------------------------------------------------------

QByteArray RandomBytes(qsizetype size, unsigned seed) {
  QByteArray bytes(size, Qt::Uninitialized);
  for (qsizetype i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    bytes[i] = static_cast<char>(seed >> 16);
  }
  return bytes;
}

QByteArray Nested(int depth) {
  return QByteArray(depth, '[') + QByteArray(depth, ']');
}

// The Baidu page with `member` put first into its summary (the summary ends at its first
// closing brace, so the script there has none).
QByteArray BaiduWithSummaryMember(const SampleCopy& samples, const QByteArray& member) {
  QByteArray page = samples.read(Q("baidu_newpneumonia.html"));
  const QByteArray marker = "summaryDataIn\":{";
  const qsizetype at = page.indexOf(marker);
  if (at >= 0) page.insert(at + marker.size(), member + ',');
  return page;
}

// A rumour answer that the word "hostile" finds, with `newslist` as given.
QByteArray RumourAnswer(const QByteArray& newslist) {
  return R"({"code":200,"msg":"hostile","newslist":)" + newslist + "}";
}

QByteArray NewsAnswer(int items) {
  QByteArray list;
  list.reserve(items * 200);
  for (int i = 0; i < items; ++i) {
    if (i > 0) list += ',';
    list += R"({"eventDescription":"\u65b0\u95fb)" + QByteArray::number(i) +
            R"(","eventTime":"1581301800","eventUrl":"http:\/\/news.example.org\/a\/)" +
            QByteArray::number(i) + R"(","homepageUrl":"","siteName":"\u6837\u4f8b"})";
  }
  return R"({"ResultCode":"0","Result":[{"DisplayData":{"resultData":{"tplData":{"list":[)" + list +
         "]}}}}]}";
}

quint32 Crc32(const QByteArray& bytes) {
  quint32 crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= static_cast<quint8>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray PngChunk(const char* type, const QByteArray& data) {
  QByteArray length(4, 0);
  qToBigEndian<quint32>(static_cast<quint32>(data.size()), length.data());
  const QByteArray typed = QByteArray(type) + data;
  QByteArray crc(4, 0);
  qToBigEndian<quint32>(Crc32(typed), crc.data());
  return length + typed + crc;
}

// A complete, valid one-bit grey PNG of the given size, all black: small on the wire, but a
// decoder that believes its size allocates for every pixel.
QByteArray GiantPng(quint32 width, quint32 height) {
  QByteArray header(13, 0);
  qToBigEndian<quint32>(width, header.data());
  qToBigEndian<quint32>(height, header.data() + 4);
  header[8] = 1;  // bit depth; colour type 0 (grey), no interlace
  const qsizetype row = 1 + (width + 7) / 8;
  const QByteArray rows(row * static_cast<qsizetype>(height), 0);
  const QByteArray compressed = qCompress(rows, 9).mid(4);  // zlib stream without Qt's length
  return QByteArray("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
         PngChunk("IDAT", compressed) + PngChunk("IEND", {});
}

struct ContentCase {
  const char* name;
  // Writes the hostile files into the copy (called once the window holds good data).
  std::function<void(const SampleCopy&)> swapIn;
  QStringList arguments;
  // What the window must still show.
  std::function<void(const Outcome&)> expect;
  // Writes hostile files before the demo starts (for the queries, which run at once).
  std::function<void(const SampleCopy&)> prepare = {};
};

void RunContentCase(const ContentCase& c) {
  SCOPED_TRACE(c.name);
  SampleCopy samples;
  if (c.prepare) c.prepare(samples);
  HostileRun hostile;
  hostile.arguments = c.arguments;
  hostile.swapIn = [&] { c.swapIn(samples); };
  const Outcome out = RunHostile(samples, hostile);
  ExpectSurvived(out, hostile.refreshes);
  c.expect(out);
  EXPECT_LT(out.run.elapsedMs, 30000);
  Report(c.name, Status(out), out.vitals, out.run);
}

TEST(HostileServers, RandomBytesOnEveryPeriodicSourceLeaveTheLastGoodData) {
  RunContentCase({"random bytes (4 MiB) on all five periodic sources",
                  [](const SampleCopy& samples) {
                    unsigned seed = 7;
                    for (const char* file :
                         {"dxy_pneumonia.html", "baidu_newpneumonia.html", "sogou_epidemic.html",
                          "baidu_news.json", "sogou_map.png"})
                      samples.write(Q(file), RandomBytes(4 << 20, seed++));
                  },
                  {},
                  [](const Outcome& out) {
                    ExpectEverythingShown(out.run.state);
                    EXPECT_TRUE(Status(out).endsWith(Q("等5源失败"))) << S(Status(out));
                  }});
}

TEST(HostileServers, PagesDeclaringAnUnknownCharsetAreReadAsTheyCome) {
  RunContentCase({"pages declaring an unknown charset",
                  [](const SampleCopy& samples) {
                    for (const char* file :
                         {"dxy_pneumonia.html", "baidu_newpneumonia.html", "sogou_epidemic.html"}) {
                      QByteArray page = samples.read(Q(file));
                      page.replace("charset=utf-8", "charset=x-orvanta-unknown-42");
                      page.replace("charset=\"utf-8\"", "charset=\"x-orvanta-unknown-42\"");
                      samples.write(Q(file), page);
                    }
                  },
                  {},
                  [](const Outcome& out) {
                    const QJsonObject& state = out.run.state;
                    // The page is then read as it comes (UTF-8 bytes taken for GBK): its
                    // figures are ASCII and still arrive, but a name's last byte can swallow
                    // the quote after it, so some provinces drop out. Nothing hangs or fails.
                    EXPECT_GT(Rows(state, "超级列表框1").size(), 0);
                    EXPECT_GT(Cell(state, "超级列表框1", 0, 2).toInt(), 0);
                    EXPECT_FALSE(Status(out).contains(Q("失败"))) << S(Status(out));
                    ExpectSummaryShown(state);
                    ExpectNewsShown(state);
                    ExpectMapShown(state);
                  }});
}

// Script in the Baidu summary (evaluated on every statistics refresh) and in a rumour answer.
struct ScriptCase {
  const char* name;
  QByteArray summaryMember;  // put into the Baidu summary
  QByteArray newslist;       // the rumour answer's list
};

TEST(HostileServers, ScriptInAnswersNeitherHangsNorExhaustsTheProgram) {
  const ScriptCase cases[] = {
      {"script that loops forever", R"js("confirmed":eval("for(;;);"))js",
       R"js([{"title":"hostile",get date(){for(;;);},get explain(){for(;;);}}])js"},
      {"script growing an array without end",
       R"js("confirmed":eval("var a=[];for(;;)a.push(a.length)"))js",
       R"js((function(){var a=[];for(;;)a.push([a.length]);})())js"},
      {"script doubling a string without end", R"js("confirmed":eval("var s='ab';for(;;)s+=s"))js",
       R"js((function(){var s='hostile';for(;;){s=s+s;s.indexOf('z');}})())js"},
      {"one built-in call allocating 1 GiB", R"js("confirmed":'x'.repeat(1<<29))js",
       R"js(['hostile'.repeat(1<<27)])js"},
      {"one built-in call filling 100 million elements",
       R"js("confirmed":new Array(1e8).fill(0))js", R"js(new Array(1e8).fill('hostile'))js"},
      {"100,000 nested brackets", R"js("confirmed":)js" + Nested(100000), Nested(100000)},
      {"an array literal of two million elements",
       R"js("confirmed":[)js" + QByteArray("1,").repeated(2000000) + "1]",
       "[" + QByteArray("'hostile',").repeated(2000000) + "1]"},
  };
  for (const ScriptCase& c : cases) {
    RunContentCase({c.name,
                    [&](const SampleCopy& samples) {
                      samples.write(Q("baidu_newpneumonia.html"),
                                    BaiduWithSummaryMember(samples, c.summaryMember));
                    },
                    {Q("--query-rumour"), Q("hostile")},
                    [&](const Outcome& out) {
                      ExpectEverythingShown(out.run.state);
                      EXPECT_TRUE(Status(out).contains(Q("百度"))) << S(Status(out));
                      EXPECT_GE(RunCount(out.run.state, "rumourRuns"), 1);
                    },
                    [&](const SampleCopy& samples) {
                      samples.write(Q("tianapi_rumour.json"), RumourAnswer(c.newslist));
                    }});
  }
}

TEST(HostileServers, NewsAnswerWithAHundredThousandItemsKeepsTheWindowResponsive) {
  RunContentCase(
      {"100,000 news items",
       [](const SampleCopy& samples) { samples.write(Q("baidu_news.json"), NewsAnswer(100000)); },
       {},
       [](const Outcome& out) {
         const QJsonObject& state = out.run.state;
         ExpectDxyShown(state);
         ExpectSummaryShown(state);
         ExpectMapShown(state);
         // The answer is new and good: the list shows its first thousand items.
         EXPECT_EQ(Rows(state, "超级列表框3").size(), 1000);
       }});
}

TEST(HostileServers, NewsAnswerMadeToBacktrackTheSearchFailsQuickly) {
  // 3 MiB on one line of items that never close: every opening brace starts a lazy search for a
  // site name that never comes.
  RunContentCase({"news answer built for regex backtracking",
                  [](const SampleCopy& samples) {
                    samples.write(
                        Q("baidu_news.json"),
                        R"({"list":[)" +
                            QByteArray(R"({"eventDescription":"x","eventTime":"1","eventUrl":"u",)")
                                .repeated(60000));
                  },
                  {},
                  [](const Outcome& out) {
                    ExpectEverythingShown(out.run.state);
                    EXPECT_TRUE(Status(out).endsWith(Q("新闻失败"))) << S(Status(out));
                  }});
}

TEST(HostileServers, PicturesThatAreNoneOrGiantKeepTheLastMap) {
  const std::pair<const char*, std::function<QByteArray(const SampleCopy&)>> cases[] = {
      {"a picture that is not a picture",
       [](const SampleCopy& samples) { return samples.read(Q("dxy_pneumonia.html")); }},
      {"a PNG declaring 20,000 x 20,000 pixels",
       [](const SampleCopy&) { return GiantPng(20000, 20000); }},
  };
  for (const auto& [name, picture] : cases) {
    RunContentCase(
        {name,
         [&](const SampleCopy& samples) { samples.write(Q("sogou_map.png"), picture(samples)); },
         {},
         [](const Outcome& out) {
           ExpectEverythingShown(out.run.state);
           EXPECT_TRUE(Status(out).endsWith(Q("地图失败"))) << S(Status(out));
         }});
  }
}

}  // namespace
}  // namespace om::e2e
