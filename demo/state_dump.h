#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/dashboard_messages.h"
#include "ui/window_snapshot.h"

namespace om {

// What the demo knows beside the window: whether everything it waited for arrived in time,
// and how often each dashboard worker has finished.
struct DemoRunFacts {
  bool complete = false;
  int statisticsRuns = 0;
  int newsAndMapRuns = 0;
  int summaryRuns = 0;
  int citiesRuns = 0;
  int sameTripRuns = 0;
  int rumourRuns = 0;
  int skippedRuns = 0;
  // The links handed to the browser, when they were recorded.
  bool linksRecorded = false;
  QStringList openedLinks;
};

// The window as JSON (UTF-8, indented):
//   {"window": name, "title": ..., "open": true, "currentPage": n,
//    "labels": {name: caption} for every Label and TransLabel,
//    "buttons", "edits", "groups": {name: caption},
//    "combos": {name: {"index": i, "text": t}},
//    "lists": {name: {"columns": [...], "rows": [[cell, ...], ...]}},
//    "pictures": {name: {"hasPicture": bool, "width": w, "height": h}},
//    "timers": {name: interval},
//    "visible": {name: bool} for every control,
//    "messageBoxes": [{"title": ..., "text": ...}],
//    "run": {"complete": bool, "statisticsRuns": n, ...},
//    "openedLinks": [...] only when links were recorded}
QByteArray StateJson(const WindowSnapshot& window, const std::vector<OpenMessage>& messages,
                     const DemoRunFacts& facts);

// Writes the JSON to a file; false when the file cannot be written.
bool WriteStateFile(const QString& path, const QByteArray& json);

}  // namespace om
