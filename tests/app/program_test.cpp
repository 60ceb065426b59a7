#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace {

// One run of the probe program in a scenario, started from a folder of its own.
struct ProbeRun {
  int exitCode = -1;
  QStringList marks;
  QString stderrText;
};

ProbeRun runProbe(const QString& scenario, const QStringList& extraEnvironment = {},
                  const QString& platform = QStringLiteral("offscreen")) {
  QTemporaryDir workDir;
  const QString marker = workDir.filePath(QStringLiteral("marks.txt"));
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  for (const QString& entry : extraEnvironment)
    env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(workDir.path());
  process.start(QStringLiteral(OM_PROBE_PATH), {scenario, marker});
  ProbeRun run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "probe did not end: " << scenario.toStdString();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
  run.stderrText = QString::fromUtf8(process.readAllStandardError());
  QFile file(marker);
  if (file.open(QIODevice::ReadOnly))
    run.marks = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return run;
}

// Lines as one readable text, so that a failure shows what happened.
std::string Lines(const QStringList& lines) {
  return lines.join(QLatin1Char('\n')).toStdString();
}

QStringList releasedFreshGlobals() {
  return {QStringLiteral("released GlobalList1"), QStringLiteral("released GlobalRecord"),
          QStringLiteral("released GlobalList2"), QStringLiteral("released TaskHandles"),
          QStringLiteral("released GlobalList3"), QStringLiteral("released GlobalList4")};
}

TEST(ProgramEntry, LastWindowClosedEndsWithZeroAfterExitRoutinesRanOnce) {
  ProbeRun run = runProbe(QStringLiteral("one-window"));
  EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
  QStringList expected = {QStringLiteral("closed only window"), QStringLiteral("entry returned 0")};
  expected += releasedFreshGlobals();
  // Registered twice, run once, after ReleaseGlobals which was registered first.
  expected += QStringLiteral("probe exit routine");
  EXPECT_EQ(Lines(run.marks.mid(1)), Lines(expected));
}

TEST(ProgramEntry, LoopRunsOnWhileAHiddenWindowStillExists) {
  ProbeRun run = runProbe(QStringLiteral("two-windows"));
  EXPECT_EQ(run.exitCode, 0);
  QStringList expected = {QStringLiteral("closed first window"),
                          QStringLiteral("closed second window"),
                          QStringLiteral("entry returned 0")};
  expected += releasedFreshGlobals();
  expected += QStringLiteral("probe exit routine");
  EXPECT_EQ(Lines(run.marks.mid(1)), Lines(expected));
}

TEST(ProgramEntry, RunsInItsOwnFolderWhenStartedElsewhere) {
  ProbeRun run = runProbe(QStringLiteral("one-window"));
  ASSERT_FALSE(run.marks.isEmpty());
  const QString ownFolder = QFileInfo(QStringLiteral(OM_PROBE_PATH)).canonicalPath();
  EXPECT_EQ(run.marks.first(), QStringLiteral("cwd ") + ownFolder);
}

TEST(ProgramEntry, FatalFaultOnABackgroundTaskEndsWith255WithoutExitRoutines) {
  ProbeRun run = runProbe(QStringLiteral("fatal-task"));
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_TRUE(run.stderrText.contains(
      QStringLiteral("运行时出错!\n错误代码：4\n错误信息：任务出错\n12 34")))
      << run.stderrText.toStdString();
  EXPECT_EQ(run.marks.size(), 1) << Lines(run.marks);
}

TEST(ProgramEntry, StartupWindowThatCannotOpenIsFatal) {
  ProbeRun run = runProbe(QStringLiteral("no-window"));
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_TRUE(run.stderrText.contains(QStringLiteral("错误信息：载入启动窗口失败\n1 0")))
      << run.stderrText.toStdString();
  EXPECT_EQ(run.marks.size(), 1);
}

TEST(ProgramEntry, FailedAllocationAfterStartupIsFatalWithItsSize) {
  ProbeRun run = runProbe(QStringLiteral("allocation"),
                          {QStringLiteral("PROBE_ALLOCATION_SIZE=4611686018427387904")});
  EXPECT_EQ(run.exitCode, 255);
  EXPECT_TRUE(run.stderrText.contains(QStringLiteral("分配 4611686018427387904 字节内存失败!")))
      << run.stderrText.toStdString();
}

// Threads that come and go (a task per refresh) share a few allocator arenas instead of
// leaving one each behind, which kept its peak size and let resident memory creep up.
TEST(ProgramEntry, ThreadsStartedAfterStartupShareTwoAllocatorArenas) {
  ProbeRun run = runProbe(QStringLiteral("arenas"));
  EXPECT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
  const QStringList found = run.marks.filter(QStringLiteral("arenas "));
  ASSERT_EQ(found.size(), 1) << Lines(run.marks);
  const QStringList counts = found[0].split(QLatin1Char(' '));
  const int before = counts.value(1).toInt();
  const int after = counts.value(2).toInt();
  EXPECT_GE(before, 1) << Lines(run.marks);
  EXPECT_LE(after, std::max(before, 2)) << Lines(run.marks);
}

// A virtual X display of the test's own, for the path where someone can see the screen.
class VirtualDisplay {
 public:
  VirtualDisplay() {
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_.waitForStarted(5000)) return;
    while (!server_.canReadLine() && server_.waitForReadyRead(10000)) {
    }
    const QString number = QString::fromUtf8(server_.readLine()).trimmed();
    if (!number.isEmpty()) display_ = QStringLiteral(":") + number;
  }
  ~VirtualDisplay() {
    server_.terminate();
    if (!server_.waitForFinished(5000)) server_.kill();
  }
  QString display() const { return display_; }

 private:
  QProcess server_;
  QString display_;
};

TEST(ProgramEntry, FatalFaultOnATaskIsPresentedOnTheWindowThreadWhereADisplayIsUp) {
  VirtualDisplay x;
  if (x.display().isEmpty()) GTEST_SKIP() << "Xvfb is not available";
  ProbeRun run = runProbe(QStringLiteral("fatal-presenter"),
                          {QStringLiteral("DISPLAY=") + x.display()}, QStringLiteral("xcb"));
  EXPECT_EQ(run.exitCode, 255) << run.stderrText.toStdString();
  EXPECT_EQ(Lines(run.marks.mid(1)), "presented on window thread: 错误 / 运行时出错!");
  EXPECT_TRUE(run.stderrText.contains(QStringLiteral("错误信息：任务出错")));
}

}  // namespace
