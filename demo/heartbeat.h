#pragma once

#include <QString>

namespace om {

// The line the demo prints every heartbeat period (test only), from the window thread:
//   heartbeat pid=P ms=E rss=R hwm=H clock=TEXT
// E is the time since the script started, R and H the process's resident and peak resident
// memory in kB (VmRSS and VmHWM; -1 where /proc is not there) and TEXT the clock label's text.
// A gap between two lines is time the window thread did not run its events.
QString HeartbeatLine(qint64 elapsedMs, const QString& clockText);

}  // namespace om
