// Writes every bundled picture and icon into the folder given as the only argument.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "artwork.h"

namespace {

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
  QImageWriter writer(path, QByteArray(format));
  if (quality >= 0) writer.setQuality(quality);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "om_artwork: cannot write %s: %s\n", qPrintable(path),
               qPrintable(writer.errorString()));
  return false;
}

bool saveBytes(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) return true;
  std::fprintf(stderr, "om_artwork: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);  // text rendering needs the font database
  if (argc != 2) {
    std::fprintf(stderr, "usage: om_artwork <assets folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("list_icons"))) return 1;
  auto at = [&out](const char* name) { return out.filePath(QString::fromUtf8(name)); };

  bool ok = save(art::figuresBanner(), at("banner_figures.png"), "png");
  ok = save(art::titleBanner(), at("banner_right.png"), "png") && ok;
  ok = save(art::headerPhoto(), at("header_photo.jpg"), "jpeg", 92) && ok;
  ok = save(art::sidePanel(), at("side_panel.png"), "png") && ok;
  ok = save(art::newsBanner(), at("news_banner.png"), "png") && ok;
  ok = save(art::infoPicture(), at("info_picture.jpg"), "jpeg", 92) && ok;
  ok = saveBytes(art::icoFileOf(art::appIconImage()), at("app_icon.ico")) && ok;
  for (int i = 0; i < 4; ++i) {
    const QByteArray name = "list_icons/" + QByteArray::number(i) + ".png";
    ok = save(art::listIcon(i), at(name.constData()), "png") && ok;
  }
  return ok ? 0 : 1;
}
