#include "net/picture_check.h"

#include <cstdint>

namespace om {

namespace {

std::uint8_t byteAt(std::string_view bytes, size_t at) {
  return static_cast<std::uint8_t>(bytes[at]);
}

std::uint32_t littleEndian(std::string_view bytes, size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | byteAt(bytes, at + static_cast<size_t>(i));
  return value;
}

// JPEG: walks the marker segments and the entropy-coded scans until the end-of-image marker.
// Inside a scan, 0xFF is followed by a stuffed zero or a restart marker; any other marker ends
// the scan and starts a segment with a length.
bool jpegComplete(std::string_view bytes) {
  size_t at = 2;  // after the start-of-image marker
  while (at + 1 < bytes.size()) {
    if (byteAt(bytes, at) != 0xff) {  // scan data, or stray bytes the decoder skips too
      ++at;
      continue;
    }
    const std::uint8_t marker = byteAt(bytes, at + 1);
    if (marker == 0xd9) return true;
    if (marker == 0xff) {  // fill byte before a marker
      ++at;
      continue;
    }
    const bool restart = marker >= 0xd0 && marker <= 0xd7;
    if (marker == 0x00 || marker == 0x01 || restart) {  // markers without a length
      at += 2;
      continue;
    }
    if (at + 3 >= bytes.size()) return false;
    const size_t length = (static_cast<size_t>(byteAt(bytes, at + 2)) << 8) | byteAt(bytes, at + 3);
    at += 2 + length;
  }
  return false;
}

// GIF: the first image, which is the one decoded, must be present with all its data blocks.
bool gifFirstImageComplete(std::string_view bytes) {
  auto skipSubBlocks = [&bytes](size_t& at) {
    while (at < bytes.size()) {
      const std::uint8_t size = byteAt(bytes, at);
      at += 1 + size;
      if (size == 0) return at <= bytes.size();
    }
    return false;
  };
  auto colourTableSize = [](std::uint8_t flags) -> size_t {
    return (flags & 0x80) != 0 ? 3u << ((flags & 0x07) + 1) : 0;
  };
  if (bytes.size() < 13) return false;
  size_t at = 13 + colourTableSize(byteAt(bytes, 10));
  while (at < bytes.size()) {
    const std::uint8_t introducer = byteAt(bytes, at);
    if (introducer == 0x21) {  // extension: label, then data blocks
      at += 2;
      if (!skipSubBlocks(at)) return false;
    } else if (introducer == 0x2c) {  // image: descriptor, local table, code size, data blocks
      if (at + 10 > bytes.size()) return false;
      at += 10 + colourTableSize(byteAt(bytes, at + 9)) + 1;
      return skipSubBlocks(at);
    } else {
      return false;  // the trailer or garbage before any image
    }
  }
  return false;
}

// BMP: an uncompressed bitmap must hold every row its header declares.
bool bmpComplete(std::string_view bytes) {
  if (bytes.size() < 34) return false;
  const std::uint32_t dataOffset = littleEndian(bytes, 10, 4);
  const std::uint32_t headerSize = littleEndian(bytes, 14, 4);
  if (headerSize < 40) return true;  // old core headers: left to the reader
  const auto width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
  const auto height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
  const std::uint32_t bitsPerPixel = littleEndian(bytes, 28, 2);
  const std::uint32_t compression = littleEndian(bytes, 30, 4);
  const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
  constexpr std::int32_t kSaneSide = 1 << 20;  // beyond it the reader's size limit refuses
  if (!uncompressed || width <= 0 || width > kSaneSide || height < -kSaneSide || height > kSaneSide)
    return true;
  const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  return bytes.size() >= dataOffset + stride * rows;
}

}  // namespace

bool LooksCutShort(std::string_view bytes) {
  if (bytes.starts_with("\xff\xd8")) return !jpegComplete(bytes);
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
    return !gifFirstImageComplete(bytes);
  if (bytes.starts_with("BM")) return !bmpComplete(bytes);
  return false;
}

}  // namespace om
