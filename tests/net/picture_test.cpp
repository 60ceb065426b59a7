#include "net/picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "picture_test_support.h"

namespace om {
namespace {

using test::channelDistance;
using test::decode;
using test::encode;

struct EncoderCase {
  PictureFormat to;
  const char* extension;
  const char* decodedAs;  // the format name Qt recognises in the output
  int tolerance;          // per channel; lossy JPEG drifts a little
};

const EncoderCase kEncoders[] = {
    {PictureFormat::Bmp, ".bmp", "bmp", 1}, {PictureFormat::Jpeg, ".jpg", "jpeg", 12},
    {PictureFormat::Gif, ".gif", "gif", 1}, {PictureFormat::Tiff, ".tiff", "tiff", 1},
    {PictureFormat::Png, ".png", "png", 1},
};

class EncoderTest : public ::testing::TestWithParam<EncoderCase> {};

TEST_P(EncoderTest, KeepsSizeAndColoursAndFlattensTransparencyOntoWhite) {
  const EncoderCase& c = GetParam();
  const std::string converted = ConvertPicture(encode(test::quadrantPicture(), "png"), c.to);
  ASSERT_FALSE(converted.empty());

  std::string format;
  const QImage out = decode(converted, &format).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(format, c.decodedAs);
  ASSERT_EQ(out.size(), QSize(40, 30));
  const struct {
    int x, y;
    QRgb expected;
  } probes[] = {{5, 5, test::kFlatRed},
                {35, 5, test::kFlatBlue},
                {5, 25, test::kFlatWhite},
                {35, 25, test::kFlatGreen}};
  for (const auto& probe : probes) {
    EXPECT_LE(channelDistance(out.pixel(probe.x, probe.y), probe.expected), c.tolerance)
        << std::hex << out.pixel(probe.x, probe.y) << " at " << std::dec << probe.x << ","
        << probe.y;
  }
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) ASSERT_EQ(qAlpha(out.pixel(x, y)), 255);
}

TEST_P(EncoderTest, ExtensionChoosesTheSameEncoder) {
  const EncoderCase& c = GetParam();
  EXPECT_EQ(PictureFormatOfExtension(c.extension), c.to);
  std::string format;
  decode(ConvertPicture(encode(test::quadrantPicture(), "png"), c.extension), &format);
  EXPECT_EQ(format, c.decodedAs);
}

INSTANTIATE_TEST_SUITE_P(AllEncoders, EncoderTest, ::testing::ValuesIn(kEncoders),
                         [](const auto& info) { return std::string(info.param.decodedAs); });

TEST(PictureFormatOfExtension, KnowsOnlyTheFiveExtensionsExactly) {
  for (const char* other : {"", ".jpeg", ".tif", ".PNG", "png", ".webp", ".png "})
    EXPECT_FALSE(PictureFormatOfExtension(other).has_value()) << other;
}

TEST(ConvertPicture, UnknownExtensionGivesEmpty) {
  EXPECT_TRUE(ConvertPicture(encode(test::quadrantPicture(), "png"), ".jpeg").empty());
}

TEST(ConvertPicture, ReadsEveryCommonInputFormat) {
  const QImage source = test::quadrantPicture();
  const std::string gif = ConvertPicture(encode(source, "png"), PictureFormat::Gif);
  for (const std::string& input : {encode(source, "png"), encode(source, "jpeg"),
                                   encode(source, "bmp"), encode(source, "tiff"), gif}) {
    ASSERT_FALSE(input.empty());
    const QImage out = decode(ConvertPicture(input, PictureFormat::Png));
    EXPECT_EQ(out.size(), QSize(40, 30));
    EXPECT_LE(channelDistance(out.pixel(5, 5), test::kFlatRed), 12);
  }
}

TEST(ConvertPicture, NotAPictureGivesEmpty) {
  const std::string png = encode(test::quadrantPicture(), "png");
  const std::string jpeg = encode(test::quadrantPicture(), "jpeg");
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 251));
  const std::vector<std::string> inputs = {
      {},
      "not a picture at all",
      noise,
      png.substr(0, 8),   // signature only
      png.substr(0, 20),  // cut inside the header chunk
      png.substr(0, 40),  // header complete, no image data
      jpeg.substr(0, 4),  // start-of-image marker only
      std::string("GIF89a"),
      std::string("BM\x10\x00", 4),
  };
  for (size_t i = 0; i < inputs.size(); ++i)
    EXPECT_TRUE(ConvertPicture(inputs[i], PictureFormat::Png).empty()) << "input " << i;
}

// A picture with many colours, so that every format spends many bytes on its data.
QImage busyPicture() {
  QImage picture(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) & 255));
  return picture;
}

std::string busyPictureIn(const std::string& format) {
  if (format == "gif") return ConvertPicture(encode(busyPicture(), "png"), PictureFormat::Gif);
  return encode(busyPicture(), format.c_str());
}

class CutDownloadTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CutDownloadTest, CompletePictureConvertsButEveryCutGivesEmpty) {
  const std::string whole = busyPictureIn(GetParam());
  ASSERT_GT(whole.size(), 1000u);
  EXPECT_EQ(decode(ConvertPicture(whole, PictureFormat::Png)).size(), QSize(120, 90));
  for (const size_t kept : {whole.size() / 3, whole.size() / 2, whole.size() * 9 / 10})
    EXPECT_TRUE(ConvertPicture(whole.substr(0, kept), PictureFormat::Png).empty()) << kept;
}

INSTANTIATE_TEST_SUITE_P(EveryInputFormat, CutDownloadTest,
                         ::testing::Values("png", "jpeg", "bmp", "tiff", "gif"),
                         [](const auto& info) { return info.param; });

TEST(ConvertPicture, JpegWithoutItsLastByteGivesEmpty) {
  const std::string jpeg = encode(busyPicture(), "jpeg");
  EXPECT_TRUE(ConvertPicture(jpeg.substr(0, jpeg.size() - 1), PictureFormat::Png).empty());
}

TEST(ConvertPicture, ReadsACompleteProgressiveJpeg) {
  QByteArray bytes;
  QBuffer device(&bytes);
  device.open(QIODevice::WriteOnly);
  QImageWriter writer(&device, "jpeg");
  writer.setProgressiveScanWrite(true);
  ASSERT_TRUE(writer.write(busyPicture()));
  const std::string jpeg(bytes.constData(), static_cast<size_t>(bytes.size()));
  EXPECT_EQ(decode(ConvertPicture(jpeg, PictureFormat::Png)).size(), QSize(120, 90));
  EXPECT_TRUE(ConvertPicture(jpeg.substr(0, jpeg.size() * 2 / 3), PictureFormat::Png).empty());
}

TEST(ConvertPicture, BytesAfterACompletePictureAreIgnored) {
  for (const char* format : {"jpeg", "bmp", "png"}) {
    const std::string padded = encode(busyPicture(), format) + std::string(64, '\0');
    EXPECT_EQ(decode(ConvertPicture(padded, PictureFormat::Png)).size(), QSize(120, 90)) << format;
  }
}

TEST(ConvertPicture, RefusesHugeDeclaredSizeQuicklyFromTheHeaderAlone) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(ConvertPicture(test::pngHeaderOnly(20000, 20000), PictureFormat::Png).empty());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(ConvertPicture, RefusesADecodablePictureAboveThePixelLimit) {
  // 5500x5500 stays within Qt's own allocation limit, so only our pixel limit refuses it; as a
  // one-bit PNG it is a few kilobytes.
  constexpr int side = 5500;
  static_assert(static_cast<long long>(side) * side > kMaxPicturePixels);
  ASSERT_LT(4LL * side * side, QImageReader::allocationLimit() * 1024LL * 1024LL);
  QImage large(side, side, QImage::Format_Mono);
  large.fill(0);
  const std::string png = encode(large, "png");
  ASSERT_FALSE(png.empty());
  ASSERT_LT(png.size(), 100'000u);
  EXPECT_TRUE(ConvertPicture(png, PictureFormat::Png).empty());
}

TEST(ConvertPicture, KeepsTheShapeOfALongThinPicture) {
  QImage thin(4000, 2, QImage::Format_RGB32);
  thin.fill(qRgb(10, 20, 30));
  const QImage out = decode(ConvertPicture(encode(thin, "png"), PictureFormat::Bmp));
  EXPECT_EQ(out.size(), QSize(4000, 2));
  EXPECT_EQ(out.pixel(3999, 1) | 0xff000000u, qRgb(10, 20, 30));
}

TEST(ConvertPicture, RunsOnSeveralThreadsAtOnce) {
  // Background tasks convert pictures concurrently; each call must stand alone.
  const std::string png = encode(busyPicture(), "png");
  std::string expected[5];
  for (int f = 0; f < 5; ++f) expected[f] = ConvertPicture(png, kEncoders[f].to);
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 10; ++round) {
        const int f = (t + round) % 5;
        if (ConvertPicture(png, kEncoders[f].to) != expected[f]) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int f = 0; f < 5; ++f) EXPECT_FALSE(expected[f].empty());
  for (int t = 0; t < 4; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace om
