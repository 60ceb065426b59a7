// The bundled artwork has exactly the formats and pixel sizes the windows are laid out for.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

QString assetPath(const char* name) {
  return QString::fromUtf8(OM_SOURCE_DIR "/assets/") + QString::fromUtf8(name);
}

std::string fileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

std::uint32_t bigEndian32(const std::string& b, size_t at) {
  std::uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::uint32_t littleEndian(const std::string& b, size_t at, size_t count) {
  std::uint32_t v = 0;
  for (size_t i = count; i-- > 0;) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

constexpr int kRgb = 2;   // PNG colour type of 8-bit RGB
constexpr int kRgba = 6;  // PNG colour type of 8-bit RGBA

struct Asset {
  const char* name;
  int width, height;
  const char* format;
  int pngColourType;  // for PNG pictures only
};

const Asset kAssets[] = {
    {"banner_figures.png", 1043, 284, "png", kRgba}, {"banner_right.png", 1166, 241, "png", kRgb},
    {"header_photo.jpg", 640, 307, "jpeg", 0},       {"side_panel.png", 1000, 800, "png", kRgba},
    {"news_banner.png", 967, 54, "png", kRgb},       {"info_picture.jpg", 1080, 1080, "jpeg", 0},
    {"list_icons/0.png", 16, 16, "png", kRgba},      {"list_icons/1.png", 16, 16, "png", kRgba},
    {"list_icons/2.png", 16, 16, "png", kRgba},      {"list_icons/3.png", 16, 16, "png", kRgba},
};

class AssetTest : public ::testing::TestWithParam<Asset> {};

TEST_P(AssetTest, HasItsFormatSizeAndChannels) {
  const Asset& a = GetParam();
  QImageReader reader(assetPath(a.name));
  EXPECT_EQ(reader.format().toStdString(), a.format);
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  EXPECT_EQ(image.size(), QSize(a.width, a.height));

  if (std::string(a.format) != "png") {
    EXPECT_FALSE(image.hasAlphaChannel());
    return;
  }
  const std::string png = fileBytes(assetPath(a.name));
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(bigEndian32(png, 16), static_cast<std::uint32_t>(a.width));
  EXPECT_EQ(bigEndian32(png, 20), static_cast<std::uint32_t>(a.height));
  EXPECT_EQ(png[24], 8) << "bits per channel";
  EXPECT_EQ(png[25], a.pngColourType);
  if (a.pngColourType == kRgba) {
    // The alpha channel is really used: the corners are clear, the middle is not.
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(a.width / 2, a.height / 2)), 255);
  }
}

INSTANTIATE_TEST_SUITE_P(Bundled, AssetTest, ::testing::ValuesIn(kAssets), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

TEST(AppIcon, IsOneSixteenPixel32BitImageOf1150Bytes) {
  const std::string ico = fileBytes(assetPath("app_icon.ico"));
  ASSERT_EQ(ico.size(), 1150u);
  EXPECT_EQ(littleEndian(ico, 0, 2), 0u);   // reserved
  EXPECT_EQ(littleEndian(ico, 2, 2), 1u);   // icon
  EXPECT_EQ(littleEndian(ico, 4, 2), 1u);   // one image
  EXPECT_EQ(littleEndian(ico, 6, 1), 16u);  // width
  EXPECT_EQ(littleEndian(ico, 7, 1), 16u);  // height
  EXPECT_EQ(littleEndian(ico, 12, 2), 32u);
  EXPECT_EQ(littleEndian(ico, 14, 4), 1128u);  // bytes of the image
  EXPECT_EQ(littleEndian(ico, 18, 4), 22u);    // where it starts
  EXPECT_EQ(littleEndian(ico, 22, 4), 40u);    // BITMAPINFOHEADER
  EXPECT_EQ(littleEndian(ico, 26, 4), 16u);
  EXPECT_EQ(littleEndian(ico, 30, 4), 32u);  // colour rows and mask rows
  EXPECT_EQ(littleEndian(ico, 36, 2), 32u);

  // The mask marks exactly the fully transparent pixels (rows bottom-up in both parts).
  constexpr size_t pixels = 62;
  constexpr size_t mask = pixels + 16 * 16 * 4;
  for (size_t row = 0; row < 16; ++row) {
    const std::uint32_t bits = bigEndian32(ico, mask + row * 4);
    for (size_t x = 0; x < 16; ++x) {
      const bool clear = static_cast<unsigned char>(ico[pixels + (row * 16 + x) * 4 + 3]) == 0;
      EXPECT_EQ(((bits >> (31 - x)) & 1u) != 0, clear) << "row " << row << " x " << x;
    }
  }

  const QImage image(assetPath("app_icon.ico"));
  ASSERT_EQ(image.size(), QSize(16, 16));
  EXPECT_EQ(qAlpha(image.pixel(0, 15)), 0);
  EXPECT_EQ(qAlpha(image.pixel(8, 8)), 255);
}

TEST(ListIcons, AreRedOrangeGreenAndGrey) {
  QRgb centre[4];
  for (int i = 0; i < 4; ++i) {
    const std::string name = "list_icons/" + std::to_string(i) + ".png";
    centre[i] = QImage(assetPath(name.c_str())).pixel(9, 9);
  }
  EXPECT_GT(qRed(centre[0]), qGreen(centre[0]) + 80);  // red
  EXPECT_GT(qRed(centre[1]), qGreen(centre[1]));       // orange
  EXPECT_GT(qGreen(centre[1]), qBlue(centre[1]) + 60);
  EXPECT_GT(qGreen(centre[2]), qRed(centre[2]) + 60);           // green
  EXPECT_LT(std::abs(qRed(centre[3]) - qBlue(centre[3])), 40);  // grey
  EXPECT_LT(std::abs(qRed(centre[3]) - qGreen(centre[3])), 40);
}

}  // namespace
