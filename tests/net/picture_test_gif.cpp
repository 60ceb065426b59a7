#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <memory>
#include <string>

#include "net/picture.h"
#include "picture_test_support.h"

namespace om {
namespace {

// Reads GIF bytes with giflib itself, independently of Qt's reader.
struct GifSource {
  std::string bytes;
  size_t position = 0;
};

int readFromSource(GifFileType* gif, GifByteType* into, int length) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const size_t count =
      std::min(static_cast<size_t>(length), source->bytes.size() - source->position);
  std::memcpy(into, source->bytes.data() + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

GifHandle slurp(GifSource& source) {
  int error = 0;
  GifHandle gif(DGifOpen(&source, readFromSource, &error));
  if (!gif || DGifSlurp(gif.get()) != GIF_OK) return nullptr;
  return gif;
}

QRgb colourAt(const GifFileType* gif, int x, int y) {
  const SavedImage& frame = gif->SavedImages[0];
  const ColorMapObject* map =
      frame.ImageDesc.ColorMap != nullptr ? frame.ImageDesc.ColorMap : gif->SColorMap;
  const GifByteType index = frame.RasterBits[y * frame.ImageDesc.Width + x];
  const GifColorType& c = map->Colors[index];
  return qRgb(c.Red, c.Green, c.Blue);
}

TEST(GifEncoder, OutputIsReadableByGiflibWithExactColoursForFewColours) {
  GifSource source{
      ConvertPicture(test::encode(test::quadrantPicture(), "png"), PictureFormat::Gif)};
  const GifHandle gif = slurp(source);
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->SWidth, 40);
  EXPECT_EQ(gif->SHeight, 30);
  ASSERT_GE(gif->ImageCount, 1);
  EXPECT_EQ(colourAt(gif.get(), 5, 5), test::kFlatRed);
  EXPECT_EQ(colourAt(gif.get(), 35, 5), test::kFlatBlue);
  EXPECT_EQ(colourAt(gif.get(), 5, 25), test::kFlatWhite);
  EXPECT_LE(test::channelDistance(colourAt(gif.get(), 35, 25), test::kFlatGreen), 1);
}

TEST(GifEncoder, ReducesManyColoursToAPaletteOfCloseColours) {
  // 16384 distinct colours: a red ramp across, a green ramp down.
  QImage gradient(256, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x) gradient.setPixel(x, y, qRgb(x, y * 4, 128));
  GifSource source{ConvertPicture(test::encode(gradient, "png"), PictureFormat::Gif)};
  const GifHandle gif = slurp(source);
  ASSERT_TRUE(gif);
  ASSERT_LE(gif->SColorMap->ColorCount, 256);
  long long totalError = 0;
  int worst = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int error = test::channelDistance(colourAt(gif.get(), x, y), gradient.pixel(x, y));
      totalError += error;
      worst = std::max(worst, error);
    }
  }
  EXPECT_LE(worst, 24);
  EXPECT_LE(totalError / (256 * 64), 8);
}

TEST(GifEncoder, RefusesSidesLongerThanGifAllows) {
  QImage wide(70000, 1, QImage::Format_RGB32);
  wide.fill(Qt::white);
  EXPECT_TRUE(ConvertPicture(test::encode(wide, "png"), PictureFormat::Gif).empty());
}

}  // namespace
}  // namespace om
