#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace om::e2e {

// One run of orvanta-demo as a separate process, headless, told to quit once the window is
// filled and to dump what it shows.
struct DemoRun {
  int exitCode = -1;
  bool finished = false;
  QByteArray output;
  QByteArray errors;
  QJsonObject state;  // empty when no state was written
  qint64 elapsedMs = 0;
};

// Called with every line the demo prints, while it runs.
using LineWatcher = std::function<void(const QByteArray& line)>;

DemoRun RunDemo(const QStringList& arguments, const LineWatcher& watcher = {}, int waitMs = 60000);

// A copy of the bundled samples in a temporary folder, for runs that change a file.
class SampleCopy {
 public:
  SampleCopy();
  QString dir() const { return dir_.path(); }
  QString path(const QString& file) const;
  void remove(const QString& file) const;
  void write(const QString& file, const QByteArray& bytes) const;
  QByteArray read(const QString& file) const;

 private:
  QTemporaryDir dir_;
};

QString BundledSample(const QString& file);
QByteArray Garbage();

// Reading the state.
QString Label(const QJsonObject& state, const char* name);
QJsonArray Rows(const QJsonObject& state, const char* list);
QString Cell(const QJsonObject& state, const char* list, int row, int column);
bool HasPicture(const QJsonObject& state, const char* name);
QJsonArray MessageBoxes(const QJsonObject& state);
int RunCount(const QJsonObject& state, const char* name);

}  // namespace om::e2e
