#include "demo/demo_options.h"

#include <QDir>
#include <QFileInfo>

#ifndef OM_BUNDLED_SAMPLES
#define OM_BUNDLED_SAMPLES ""
#endif

namespace om {
namespace {

QString Absolute(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

// Reads the values an option takes; false when the command line ends too early.
bool Take(const QStringList& arguments, int& at, int count, QStringList& values) {
  if (at + count >= arguments.size()) return false;
  for (int i = 1; i <= count; ++i) values.append(arguments[at + i]);
  at += count;
  return true;
}

bool Number(const QString& text, int& out, int minimum) {
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < minimum) return false;
  out = value;
  return true;
}

bool TakeHostile(const QString& text, std::vector<HostileAnswer>& all) {
  const std::optional<HostileAnswer> hostile = ParseHostileAnswer(text.toStdString());
  if (hostile) all.push_back(*hostile);
  return hostile.has_value();
}

}  // namespace

QString DemoUsage() {
  return QStringLiteral(
      "usage: orvanta-demo [options]\n"
      "  --samples DIR            serve sample files from DIR (default: the bundled samples)\n"
      "  --state FILE             write what the window shows as JSON\n"
      "  --screenshot FILE        save a picture of the window (PNG)\n"
      "  --query-same-trip TYPEINDEX NO ARRIVE\n"
      "                           run a same-trip search (TYPEINDEX 0..7 as in the combo box)\n"
      "  --query-rumour WORD      run a rumour check\n"
      "  --click-province ROW     click a row of the province list (from 0)\n"
      "  --double-click-news ROW  double-click a row of the news list (from 0)\n"
      "  --double-click-same-trip ROW\n"
      "                           double-click a row of the same-trip results (from 0)\n"
      "  --press-cured-label      press the left button on the cured-count label\n"
      "  --record-links           record the links the window would open instead of opening\n"
      "                           them (they appear in the state)\n"
      "  --page N                 show tab page N (0..4)\n"
      "  --quit-after-refresh     quit once the first refresh and the queries have filled the\n"
      "                           window\n"
      "  --timeout MS             give up waiting after MS milliseconds (default 60000)\n"
      "test only:\n"
      "  --refresh-interval MS    refresh every MS milliseconds instead of 30 s\n"
      "  --refreshes N            wait for N refreshes instead of the first\n"
      "  --fetch-timeout MS       end every fetch after MS milliseconds\n"
      "  --endless FILE           answers served from sample FILE never end\n"
      "  --hostile MODE:FILE[:N]  answers from sample FILE misbehave after N good ones (MODE:\n"
      "                           silent, drip, huge or flood); may be given more than once\n"
      "  --heartbeat MS           print a heartbeat line (clock label, memory) every MS ms\n"
      "  --quit-on-first-paint    print \"first-paint\" once the window has painted and quit\n");
}

QString DefaultSamplesDir(const QString& executableDir) {
  const QString beside = QDir(executableDir).filePath(QStringLiteral("samples"));
  if (QFileInfo(beside).isDir()) return beside;
  return QString::fromUtf8(OM_BUNDLED_SAMPLES);
}

ParsedDemoOptions ParseDemoOptions(const QStringList& arguments) {
  ParsedDemoOptions parsed;
  DemoOptions& o = parsed.options;
  for (int at = 0; at < arguments.size(); ++at) {
    const QString& name = arguments[at];
    QStringList v;
    bool ok = true;
    if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
      parsed.help = true;
    } else if (name == QStringLiteral("--samples")) {
      ok = Take(arguments, at, 1, v) && (o.samplesDir = Absolute(v[0]), true);
    } else if (name == QStringLiteral("--state")) {
      ok = Take(arguments, at, 1, v) && (o.stateFile = Absolute(v[0]), true);
    } else if (name == QStringLiteral("--screenshot")) {
      ok = Take(arguments, at, 1, v) && (o.screenshotFile = Absolute(v[0]), true);
    } else if (name == QStringLiteral("--query-same-trip")) {
      DemoOptions::SameTrip trip;
      ok = Take(arguments, at, 3, v) && Number(v[0], trip.transportIndex, 0) &&
           trip.transportIndex <= 7;
      if (ok) {
        trip.number = v[1];
        trip.destination = v[2];
        o.sameTrip = trip;
      }
    } else if (name == QStringLiteral("--query-rumour")) {
      ok = Take(arguments, at, 1, v) && (o.rumourWord = v[0], true);
    } else if (name == QStringLiteral("--click-province")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.provinceRow, 0);
    } else if (name == QStringLiteral("--double-click-news")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.newsRowToOpen, 0);
    } else if (name == QStringLiteral("--double-click-same-trip")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.sameTripRowToOpen, 0);
    } else if (name == QStringLiteral("--press-cured-label")) {
      o.pressCuredLabel = true;
    } else if (name == QStringLiteral("--record-links")) {
      o.recordLinks = true;
    } else if (name == QStringLiteral("--page")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.page, 0) && o.page <= 4;
    } else if (name == QStringLiteral("--quit-after-refresh")) {
      o.quitAfterRefresh = true;
    } else if (name == QStringLiteral("--timeout")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.timeoutMs, 1);
    } else if (name == QStringLiteral("--refresh-interval")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.refreshIntervalMs, 1);
    } else if (name == QStringLiteral("--refreshes")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.refreshes, 1);
    } else if (name == QStringLiteral("--fetch-timeout")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.fetchTimeoutMs, 1);
    } else if (name == QStringLiteral("--endless")) {
      ok = Take(arguments, at, 1, v) && (o.endlessFile = v[0], true);
    } else if (name == QStringLiteral("--hostile")) {
      ok = Take(arguments, at, 1, v) && TakeHostile(v[0], o.hostile);
    } else if (name == QStringLiteral("--heartbeat")) {
      ok = Take(arguments, at, 1, v) && Number(v[0], o.heartbeatMs, 1);
    } else if (name == QStringLiteral("--quit-on-first-paint")) {
      o.quitOnFirstPaint = true;
    } else {
      parsed.error = QStringLiteral("unknown option: ") + name;
      return parsed;
    }
    if (!ok) {
      parsed.error = QStringLiteral("bad or missing value for ") + name;
      return parsed;
    }
  }
  return parsed;
}

}  // namespace om
