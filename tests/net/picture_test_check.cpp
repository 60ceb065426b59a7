#include <gtest/gtest.h>

#include <QImage>
#include <random>
#include <string>

#include "net/picture.h"
#include "net/picture_check.h"
#include "picture_test_support.h"

namespace om {
namespace {

QImage smallPicture() {
  QImage picture(24, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x) picture.setPixel(x, y, qRgb(x * 10, y * 15, 200 - x * 5));
  return picture;
}

TEST(LooksCutShort, EveryPrefixOfAJpegIsCutShortAndTheWholeIsNot) {
  const std::string jpeg = test::encode(smallPicture(), "jpeg");
  EXPECT_FALSE(LooksCutShort(jpeg));
  for (size_t kept = 2; kept < jpeg.size(); ++kept)
    ASSERT_TRUE(LooksCutShort(jpeg.substr(0, kept))) << kept << " of " << jpeg.size();
}

TEST(LooksCutShort, AGifNeedsItsWholeFirstImageButNotTheTrailer) {
  const std::string gif = ConvertPicture(test::encode(smallPicture(), "png"), PictureFormat::Gif);
  ASSERT_EQ(gif.back(), ';');
  EXPECT_FALSE(LooksCutShort(gif));
  EXPECT_FALSE(LooksCutShort(gif.substr(0, gif.size() - 1)));
  for (size_t kept = 6; kept + 1 < gif.size(); ++kept)
    ASSERT_TRUE(LooksCutShort(gif.substr(0, kept))) << kept << " of " << gif.size();
}

TEST(LooksCutShort, ABmpNeedsEveryRow) {
  const std::string bmp = test::encode(smallPicture(), "bmp");
  EXPECT_FALSE(LooksCutShort(bmp));
  for (size_t kept = 2; kept < bmp.size(); ++kept)
    ASSERT_TRUE(LooksCutShort(bmp.substr(0, kept))) << kept << " of " << bmp.size();
}

TEST(LooksCutShort, LeavesOtherFormatsToTheirReaders) {
  const std::string png = test::encode(smallPicture(), "png");
  EXPECT_FALSE(LooksCutShort(png.substr(0, png.size() / 2)));
  EXPECT_FALSE(LooksCutShort("plain text"));
  EXPECT_FALSE(LooksCutShort(""));
}

TEST(ConvertPicture, CorruptedPicturesNeverCrashNorExceedTheLimit) {
  std::mt19937 random(20200301);
  const QImage source = smallPicture();
  const std::string gif = ConvertPicture(test::encode(source, "png"), PictureFormat::Gif);
  for (const std::string& whole :
       {test::encode(source, "png"), test::encode(source, "jpeg"), test::encode(source, "bmp"),
        test::encode(source, "tiff"), gif}) {
    for (int round = 0; round < 60; ++round) {
      std::string damaged = whole;
      const int flips = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < flips; ++i)
        damaged[random() % damaged.size()] = static_cast<char>(random() & 0xff);
      const std::string out = ConvertPicture(damaged, PictureFormat::Png);
      if (out.empty()) continue;
      const QImage decoded = test::decode(out);
      ASSERT_FALSE(decoded.isNull());
      ASSERT_LE(static_cast<long long>(decoded.width()) * decoded.height(), kMaxPicturePixels);
    }
  }
}

}  // namespace
}  // namespace om
