#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "tests/ui/ui_support.h"
#include "ui/info_window.h"
#include "ui/main_window.h"

namespace om {
namespace {

QString ArtifactPath(const QString& file) {
  const QString folder = QString::fromUtf8(OM_BINARY_DIR) + QStringLiteral("/artifacts");
  QDir().mkpath(folder);
  return folder + QLatin1Char('/') + file;
}

// A picture that is one flat colour shows that nothing was drawn.
bool HasContent(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); y += 7)
    for (int x = 0; x < image.width(); x += 7)
      if (image.pixel(x, y) != first) return true;
  return false;
}

// Saves each tab page of the dashboard and the appreciation window as PNG files under the build
// folder, to be looked at by a person (under Xvfb with the CJK font, see scripts/screenshots).
TEST(Screenshots, EveryPageAndTheInfoWindowRenderWithContent) {
  test::App();
  WindowRef main = test::OpenShown(MainWindowDescription(MainWindowActions{}));
  for (int page = 0; page < 5; ++page) {
    main.control(T("高级选择夹1")).setCurrentPage(page);
    QTest::qWait(50);
    const QImage shot = main.widget()->grab().toImage();
    EXPECT_TRUE(HasContent(shot)) << page;
    EXPECT_TRUE(shot.save(ArtifactPath(QStringLiteral("main_page%1.png").arg(page))));
  }
  WindowRef info = ShowInfoWindow();
  ASSERT_TRUE(test::WaitFor([&] { return info.widget() && info.widget()->isVisible(); }));
  const QImage shot = info.widget()->grab().toImage();
  EXPECT_TRUE(HasContent(shot));
  EXPECT_TRUE(shot.save(ArtifactPath(QStringLiteral("info_window.png"))));
  test::Destroy(info);
  test::Destroy(main);
}

}  // namespace
}  // namespace om
