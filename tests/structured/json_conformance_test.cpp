// Runs the JSON document over the files of a public JSON parsing corpus. Files that a strict
// parser must accept load, and the document writes them back as Node.js does (Node's output is
// produced at test time by tests/data/structured/node_stringify.js, so it always comes from the
// node on this machine). Every other file of the corpus must come back within the time limit,
// whatever Parse then says, and must not crash the process.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <map>
#include <string>

#include "app/codepage.h"
#include "data/json_document.h"
#include "tests/structured/json_text_normaliser.h"
#include "tests/structured/text_printer.h"

namespace om {
namespace {

using Clock = std::chrono::steady_clock;

QString corpusFolder() {
  return QDir::cleanPath(QStringLiteral(OM_SOURCE_DIR "/../shared/json-test-suite"));
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

Text textOfFile(const QByteArray& bytes) {
  return Text::fromUtf8(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// File name -> Node's output in UTF-16, "NULL" or "FAIL".
std::map<QString, QString> nodeExpectations(const QString& node, QString* error) {
  QProcess process;
  process.start(node,
                {QStringLiteral(OM_TEST_DATA_DIR "/structured/node_stringify.js"), corpusFolder()});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    *error = QString::fromUtf8(process.readAllStandardError());
    return {};
  }
  std::map<QString, QString> expected;
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0) continue;
    const QString name = QString::fromUtf8(line.left(tab));
    const QByteArray value = line.mid(tab + 1);
    expected[name] = (value == "NULL" || value == "FAIL")
                         ? QString::fromLatin1(value)
                         : QString::fromUtf8(QByteArray::fromBase64(value));
  }
  return expected;
}

class JsonConformanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QDir(corpusFolder()).exists())
      GTEST_SKIP() << "JSON corpus not found at " << corpusFolder().toStdString();
  }

  QStringList files(const QString& prefix) const {
    return QDir(corpusFolder())
        .entryList({prefix + QStringLiteral("*.json")}, QDir::Files, QDir::Name);
  }
};

TEST(JsonTextNormaliserTest, EquatesOnlyTheAllowedDifferences) {
  struct Case {
    const char16_t* script;
    const char16_t* other;
    bool same;
  };
  const Case cases[] = {
      {uR"(["\u00ad\u2028\u007f"])", u"[\"\u00ad\u2028\u007f\"]", true},
      {uR"(["\u001f\n"])", uR"(["\u001F\n"])", true},
      {u"[\"\xD55C\"]", u"[\"?\"]", true},    // GBK lacks the Hangul syllable
      {uR"(["?"])", uR"(["\udc00"])", true},  // a lone surrogate
      {uR"(["中"])", uR"(["中"])", true},
      {uR"(["\u0041"])", uR"(["A"])", false},  // an escape the script must not write
      {uR"(["\u4e2d"])", uR"(["中"])", false},
      {uR"(["a"])", uR"(["b"])", false},
      {uR"(["\\n"])", uR"(["\n"])", false},
      {uR"({"a":1})", uR"({"a": 1})", false},
      {uR"([1,2])", uR"([2,1])", false},
      {uR"(["a\"b"])", uR"(["a\\b"])", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(normaliseJsonForComparison(c.script) == normaliseJsonForComparison(c.other), c.same)
        << Text::fromUtf16(c.script).toUtf8() << " vs " << Text::fromUtf16(c.other).toUtf8();
  }
}

TEST_F(JsonConformanceTest, AcceptedFilesLoadAndWriteBackAsNodeDoes) {
  const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
  if (node.isEmpty()) GTEST_SKIP() << "node not installed (scripts/setup installs it)";
  QString error;
  const std::map<QString, QString> expected = nodeExpectations(node, &error);
  ASSERT_FALSE(expected.empty()) << "node failed: " << error.toStdString();

  const QStringList accepted = files(QStringLiteral("y_"));
  ASSERT_GT(accepted.size(), 90);
  int compared = 0;
  for (const QString& name : accepted) {
    SCOPED_TRACE(name.toStdString());
    const auto found = expected.find(name);
    ASSERT_NE(found, expected.end());
    ASSERT_NE(found->second, QStringLiteral("FAIL"));
    JsonDocument doc;
    const bool parsed = doc.Parse(textOfFile(readFile(corpusFolder() + u'/' + name)));
    if (found->second == QStringLiteral("NULL")) {
      EXPECT_FALSE(parsed);  // a null root counts as no value
      continue;
    }
    ASSERT_TRUE(parsed);
    const Text written = doc.ToJsonText(Text());
    EXPECT_EQ(normaliseJsonForComparison(written.toUtf16()),
              normaliseJsonForComparison(found->second.toStdU16String()))
        << "document: " << written.toUtf8() << "\nnode:     " << found->second.toStdString();
    ++compared;
  }
  EXPECT_GE(compared, 90);
}

TEST_F(JsonConformanceTest, EveryOtherFileReturnsWithinTheTimeLimit) {
  const auto limit = std::chrono::milliseconds(2000);
  QStringList others = files(QStringLiteral("n_")) + files(QStringLiteral("i_"));
  ASSERT_GT(others.size(), 200);
  for (const QString& name : others) {
    SCOPED_TRACE(name.toStdString());
    JsonDocument doc;
    doc.SetTimeLimit(limit);
    const auto start = Clock::now();
    const bool parsed = doc.Parse(textOfFile(readFile(corpusFolder() + u'/' + name)));
    EXPECT_LT(Clock::now() - start, limit + std::chrono::milliseconds(500));
    if (parsed) doc.ToJsonText(Text());  // writing back what loaded must not fail hard either
  }
}

}  // namespace
}  // namespace om
