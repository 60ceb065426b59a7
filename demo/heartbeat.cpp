#include "demo/heartbeat.h"

#include <QCoreApplication>
#include <QFile>

namespace om {
namespace {

// A "Name:   1234 kB" line of /proc/self/status in kB; -1 when it is not there.
qint64 StatusKilobytes(const QByteArray& status, const QByteArray& name) {
  const qsizetype at = status.indexOf('\n' + name + ':');
  if (at < 0) return -1;
  const qsizetype end = status.indexOf('\n', at + 1);
  const QByteArray value =
      status.mid(at + name.size() + 2, end < 0 ? -1 : end - at - name.size() - 2);
  bool ok = false;
  const qint64 kilobytes = value.trimmed().split(' ').value(0).toLongLong(&ok);
  return ok ? kilobytes : -1;
}

}  // namespace

QString HeartbeatLine(qint64 elapsedMs, const QString& clockText) {
  QFile file(QStringLiteral("/proc/self/status"));
  const QByteArray status = file.open(QIODevice::ReadOnly) ? '\n' + file.readAll() : QByteArray();
  return QStringLiteral("heartbeat pid=%1 ms=%2 rss=%3 hwm=%4 clock=%5")
      .arg(QCoreApplication::applicationPid())
      .arg(elapsedMs)
      .arg(StatusKilobytes(status, "VmRSS"))
      .arg(StatusKilobytes(status, "VmHWM"))
      .arg(clockText);
}

}  // namespace om
