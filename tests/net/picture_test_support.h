#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <string>

namespace om::test {

// A 40x30 picture in four quadrants: opaque red (top left), opaque blue (top right), fully
// transparent (bottom left) and half-transparent green (bottom right).
QImage quadrantPicture();

// The colour each quadrant must show once flattened onto white.
inline constexpr QRgb kFlatRed = 0xffff0000u;
inline constexpr QRgb kFlatBlue = 0xff0000ffu;
inline constexpr QRgb kFlatWhite = 0xffffffffu;
inline constexpr QRgb kFlatGreen = 0xff7fff7fu;

// Encodes a picture with Qt's own writer ("png", "jpeg", "bmp", "tiff").
std::string encode(const QImage& picture, const char* format);

// Decodes bytes with Qt; also reports the format Qt recognised.
QImage decode(const std::string& bytes, std::string* formatName = nullptr);

// The largest difference of one channel between two colours.
int channelDistance(QRgb a, QRgb b);

// A PNG of only a signature, a header chunk declaring width by height and an end chunk.
std::string pngHeaderOnly(std::uint32_t width, std::uint32_t height);

}  // namespace om::test
