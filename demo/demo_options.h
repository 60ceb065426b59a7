#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "demo/hostile_answers.h"

namespace om {

// The demo's command line. Paths are made absolute while parsing, because the program makes
// its own folder the current directory once it runs.
struct DemoOptions {
  QString samplesDir;  // empty: the bundled samples
  QString stateFile;
  QString screenshotFile;
  struct SameTrip {
    int transportIndex = 0;
    QString number;
    QString destination;
  };
  std::optional<SameTrip> sameTrip;
  std::optional<QString> rumourWord;
  int provinceRow = -1;
  int newsRowToOpen = -1;
  int sameTripRowToOpen = -1;
  bool recordLinks = false;
  bool pressCuredLabel = false;
  int page = -1;
  bool quitAfterRefresh = false;
  int timeoutMs = 60000;
  // Test-only: a faster refresh timer, how many refreshes to wait for, shorter fetch limits,
  // and a sample file whose answers never end.
  int refreshIntervalMs = 0;
  int refreshes = 1;
  int fetchTimeoutMs = 0;
  QString endlessFile;
  // Test-only: sample files whose answers misbehave on purpose, and the period of the
  // "heartbeat" lines that show the window thread alive (0: none).
  std::vector<HostileAnswer> hostile;
  int heartbeatMs = 0;
  // Test-only: print "first-paint" once the window has painted for the first time and quit.
  bool quitOnFirstPaint = false;
};

struct ParsedDemoOptions {
  DemoOptions options;
  QString error;  // empty when the command line was understood
  bool help = false;
};

// `arguments` without the program name.
ParsedDemoOptions ParseDemoOptions(const QStringList& arguments);

QString DemoUsage();

// The bundled samples: "samples" beside the executable when it is there, else the source
// tree's assets/samples.
QString DefaultSamplesDir(const QString& executableDir);

}  // namespace om
