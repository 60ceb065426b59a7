#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include "app/program.h"

namespace {

// Takes the place of the browser for the schemes it is registered for.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QStringList seen;
 public slots:
  void open(const QUrl& url) { seen << url.toString(); }
};

TEST(OpenInBrowser, HandsOnlyWebAddressesToTheBrowser) {
  int argc = 1;
  char name[] = "browser_test";
  char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);
  UrlCatcher catcher;
  for (const char* scheme : {"http", "https", "file", "javascript", "mailto"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
  om::OpenInBrowser(om::T("https://example.invalid/新闻?id=1"));
  om::OpenInBrowser(om::T("HTTP://example.invalid/a"));
  om::OpenInBrowser(om::T("file:///etc/passwd"));
  om::OpenInBrowser(om::T("javascript:alert(1)"));
  om::OpenInBrowser(om::T("mailto:a@example.invalid"));
  om::OpenInBrowser(om::Text());
  for (const char* scheme : {"http", "https", "file", "javascript", "mailto"})
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  ASSERT_EQ(catcher.seen.size(), 2) << catcher.seen.join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(catcher.seen[0], QString::fromUtf8("https://example.invalid/新闻?id=1"));
  EXPECT_EQ(catcher.seen[1], QStringLiteral("http://example.invalid/a"));
}

}  // namespace

#include "browser_test.moc"
