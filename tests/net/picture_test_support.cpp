#include "picture_test_support.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace om::test {

QImage quadrantPicture() {
  QImage picture(40, 30, QImage::Format_ARGB32);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      QRgb colour;
      if (y < 15) {
        colour = x < 20 ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 255, 255);
      } else {
        colour = x < 20 ? qRgba(0, 0, 0, 0) : qRgba(0, 255, 0, 128);
      }
      picture.setPixel(x, y, colour);
    }
  }
  return picture;
}

std::string encode(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer device(&bytes);
  device.open(QIODevice::WriteOnly);
  QImageWriter writer(&device, QByteArray(format));
  if (!writer.write(picture)) return {};
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QImage decode(const std::string& bytes, std::string* formatName) {
  QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer device(&data);
  device.open(QIODevice::ReadOnly);
  QImageReader reader(&device);
  if (formatName != nullptr) *formatName = reader.format().toStdString();
  return reader.read();
}

int channelDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

namespace {

std::uint32_t crc32(const std::string& bytes) {
  std::uint32_t crc = 0xffffffffu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void appendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift));
}

void appendChunk(std::string& out, const std::string& type, const std::string& body) {
  appendBigEndian(out, static_cast<std::uint32_t>(body.size()));
  const std::string typed = type + body;
  out += typed;
  appendBigEndian(out, crc32(typed));
}

}  // namespace

std::string pngHeaderOnly(std::uint32_t width, std::uint32_t height) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  appendBigEndian(header, width);
  appendBigEndian(header, height);
  header += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, no interlace
  appendChunk(png, "IHDR", header);
  appendChunk(png, "IEND", {});
  return png;
}

}  // namespace om::test
