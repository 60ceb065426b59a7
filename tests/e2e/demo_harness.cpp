#include "tests/e2e/demo_harness.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

namespace om::e2e {
namespace {

QString DemoProgram() {
  return QStringLiteral(OM_BINARY_DIR "/programs/orvanta-demo");
}

QJsonObject ReadState(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll()).object();
}

}  // namespace

DemoRun RunDemo(const QStringList& arguments, const LineWatcher& watcher, int waitMs) {
  QTemporaryDir scratch;
  const QString statePath = scratch.filePath(QStringLiteral("state.json"));
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(environment);
  QStringList all = arguments;
  all << QStringLiteral("--quit-after-refresh") << QStringLiteral("--state") << statePath;
  QElapsedTimer clock;
  clock.start();
  process.start(DemoProgram(), all);
  DemoRun run;
  if (!process.waitForStarted(10000)) return run;
  QByteArray pending;
  while (process.state() != QProcess::NotRunning && clock.elapsed() < waitMs) {
    process.waitForReadyRead(50);
    pending += process.readAllStandardOutput();
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
      const QByteArray line = pending.left(end);
      run.output += line + '\n';
      pending.remove(0, end + 1);
      if (watcher) watcher(line);
    }
  }
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished(5000);
  } else {
    run.finished = true;
  }
  run.elapsedMs = clock.elapsed();
  run.output += pending + process.readAllStandardOutput();
  run.errors = process.readAllStandardError();
  run.exitCode = process.exitCode();
  run.state = ReadState(statePath);
  return run;
}

QString BundledSample(const QString& file) {
  return QStringLiteral(OM_SOURCE_DIR "/assets/samples/") + file;
}

SampleCopy::SampleCopy() {
  const QDir bundled(QStringLiteral(OM_SOURCE_DIR "/assets/samples"));
  for (const QString& file : bundled.entryList(QDir::Files))
    QFile::copy(bundled.filePath(file), path(file));
}

QString SampleCopy::path(const QString& file) const {
  return dir_.filePath(file);
}

void SampleCopy::remove(const QString& file) const {
  QFile::remove(path(file));
}

void SampleCopy::write(const QString& file, const QByteArray& bytes) const {
  // Written beside and renamed over, so the server never reads half a file.
  const QString temporary = path(file + QStringLiteral(".new"));
  QFile out(temporary);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
  out.write(bytes);
  out.close();
  ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path(file)).constData());
}

QByteArray SampleCopy::read(const QString& file) const {
  QFile in(path(file));
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QByteArray Garbage() {
  QByteArray bytes;
  unsigned state = 2020;
  for (int i = 0; i < 4096; ++i) {
    state = state * 1103515245u + 12345u;
    bytes.append(static_cast<char>(state >> 16));
  }
  return bytes;
}

QString Label(const QJsonObject& state, const char* name) {
  return state[QStringLiteral("labels")][QString::fromUtf8(name)].toString();
}

QJsonArray Rows(const QJsonObject& state, const char* list) {
  return state[QStringLiteral("lists")][QString::fromUtf8(list)][QStringLiteral("rows")].toArray();
}

QString Cell(const QJsonObject& state, const char* list, int row, int column) {
  return Rows(state, list)[row].toArray()[column].toString();
}

bool HasPicture(const QJsonObject& state, const char* name) {
  return state[QStringLiteral("pictures")][QString::fromUtf8(name)][QStringLiteral("hasPicture")]
      .toBool();
}

QJsonArray MessageBoxes(const QJsonObject& state) {
  return state[QStringLiteral("messageBoxes")].toArray();
}

int RunCount(const QJsonObject& state, const char* name) {
  return state[QStringLiteral("run")][QString::fromUtf8(name)].toInt();
}

}  // namespace om::e2e
