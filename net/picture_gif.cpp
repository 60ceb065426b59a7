#include "net/picture_gif.h"

#include <gif_lib.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <unordered_map>
#include <vector>

namespace om {

namespace {

constexpr int kMaxColours = 256;
constexpr int kGifMaxSide = 65535;

// Histogram bins of 5 bits per channel.
constexpr int kBinBits = 5;
constexpr int kBinCount = 1 << (3 * kBinBits);

int binOf(QRgb rgb) {
  constexpr int drop = 8 - kBinBits;
  return ((qRed(rgb) >> drop) << (2 * kBinBits)) | ((qGreen(rgb) >> drop) << kBinBits) |
         (qBlue(rgb) >> drop);
}

int binChannel(int bin, int channel) {
  constexpr int mask = (1 << kBinBits) - 1;
  return (bin >> ((2 - channel) * kBinBits)) & mask;
}

const QRgb* row(const QImage& picture, int y) {
  return reinterpret_cast<const QRgb*>(picture.constScanLine(y));
}

// The palette of a picture and the palette index of each of its colours.
struct Quantiser {
  std::vector<QRgb> palette;
  std::unordered_map<QRgb, std::uint8_t> exactIndex;  // used when the picture has few colours
  std::vector<std::uint8_t> binIndex;                 // used otherwise

  std::uint8_t indexOf(QRgb rgb) const {
    if (!binIndex.empty()) return binIndex[static_cast<size_t>(binOf(rgb))];
    const auto found = exactIndex.find(rgb);
    return found == exactIndex.end() ? 0 : found->second;
  }
};

// The picture's own colours when there are no more than 256 of them.
std::optional<Quantiser> exactColours(const QImage& picture) {
  Quantiser q;
  for (int y = 0; y < picture.height(); ++y) {
    const QRgb* pixels = row(picture, y);
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb rgb = pixels[x] | 0xff000000u;
      if (q.exactIndex.contains(rgb)) continue;
      if (static_cast<int>(q.palette.size()) == kMaxColours) return std::nullopt;
      q.exactIndex.emplace(rgb, static_cast<std::uint8_t>(q.palette.size()));
      q.palette.push_back(rgb);
    }
  }
  return q;
}

struct BinTotals {
  std::uint64_t count = 0;
  std::array<std::uint64_t, 3> sums{};
};

struct Box {
  std::vector<int> bins;  // non-empty bins only
  std::uint64_t population = 0;
};

int widestChannel(const Box& box) {
  int best = 0;
  int bestRange = -1;
  for (int channel = 0; channel < 3; ++channel) {
    const auto [lo, hi] = std::minmax_element(
        box.bins.begin(), box.bins.end(),
        [channel](int a, int b) { return binChannel(a, channel) < binChannel(b, channel); });
    const int range = binChannel(*hi, channel) - binChannel(*lo, channel);
    if (range > bestRange) {
      bestRange = range;
      best = channel;
    }
  }
  return best;
}

// Splits a box at the population median of its widest channel; both halves keep a bin.
std::pair<Box, Box> splitBox(Box box, const std::vector<BinTotals>& totals) {
  const int channel = widestChannel(box);
  std::sort(box.bins.begin(), box.bins.end(),
            [channel](int a, int b) { return binChannel(a, channel) < binChannel(b, channel); });
  std::uint64_t seen = 0;
  size_t cut = 1;
  for (; cut < box.bins.size(); ++cut) {
    seen += totals[static_cast<size_t>(box.bins[cut - 1])].count;
    if (2 * seen >= box.population) break;
  }
  cut = std::min(cut, box.bins.size() - 1);
  Box low, high;
  low.bins.assign(box.bins.begin(), box.bins.begin() + static_cast<std::ptrdiff_t>(cut));
  high.bins.assign(box.bins.begin() + static_cast<std::ptrdiff_t>(cut), box.bins.end());
  for (int bin : low.bins) low.population += totals[static_cast<size_t>(bin)].count;
  high.population = box.population - low.population;
  return {std::move(low), std::move(high)};
}

QRgb meanColour(const BinTotals& t) {
  if (t.count == 0) return qRgb(0, 0, 0);
  return qRgb(static_cast<int>(t.sums[0] / t.count), static_cast<int>(t.sums[1] / t.count),
              static_cast<int>(t.sums[2] / t.count));
}

std::uint8_t nearestIndex(QRgb rgb, const std::vector<QRgb>& palette) {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (size_t i = 0; i < palette.size(); ++i) {
    const int dr = qRed(rgb) - qRed(palette[i]);
    const int dg = qGreen(rgb) - qGreen(palette[i]);
    const int db = qBlue(rgb) - qBlue(palette[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<std::uint8_t>(best);
}

Quantiser medianCut(const QImage& picture) {
  std::vector<BinTotals> totals(kBinCount);
  for (int y = 0; y < picture.height(); ++y) {
    const QRgb* pixels = row(picture, y);
    for (int x = 0; x < picture.width(); ++x) {
      BinTotals& t = totals[static_cast<size_t>(binOf(pixels[x]))];
      ++t.count;
      t.sums[0] += static_cast<std::uint64_t>(qRed(pixels[x]));
      t.sums[1] += static_cast<std::uint64_t>(qGreen(pixels[x]));
      t.sums[2] += static_cast<std::uint64_t>(qBlue(pixels[x]));
    }
  }
  std::vector<Box> boxes(1);
  for (int bin = 0; bin < kBinCount; ++bin) {
    if (totals[static_cast<size_t>(bin)].count == 0) continue;
    boxes[0].bins.push_back(bin);
    boxes[0].population += totals[static_cast<size_t>(bin)].count;
  }
  while (static_cast<int>(boxes.size()) < kMaxColours) {
    // The most populous box that can still be split.
    auto target = boxes.end();
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
      if (it->bins.size() > 1 && (target == boxes.end() || it->population > target->population))
        target = it;
    }
    if (target == boxes.end()) break;
    auto [low, high] = splitBox(std::move(*target), totals);
    *target = std::move(low);
    boxes.push_back(std::move(high));
  }
  Quantiser q;
  for (const Box& box : boxes) {
    BinTotals sum;
    for (int bin : box.bins) {
      const BinTotals& t = totals[static_cast<size_t>(bin)];
      sum.count += t.count;
      for (int c = 0; c < 3; ++c)
        sum.sums[static_cast<size_t>(c)] += t.sums[static_cast<size_t>(c)];
    }
    q.palette.push_back(meanColour(sum));
  }
  q.binIndex.assign(kBinCount, 0);
  for (int bin = 0; bin < kBinCount; ++bin) {
    const BinTotals& t = totals[static_cast<size_t>(bin)];
    if (t.count > 0) q.binIndex[static_cast<size_t>(bin)] = nearestIndex(meanColour(t), q.palette);
  }
  return q;
}

int appendToString(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)
      ->append(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
  return length;
}

// GIF colour tables hold a power of two entries; unused ones stay black.
ColorMapObject* makeColourMap(const std::vector<QRgb>& palette) {
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  std::vector<GifColorType> colours(static_cast<size_t>(size), GifColorType{0, 0, 0});
  for (size_t i = 0; i < palette.size(); ++i) {
    colours[i] = GifColorType{static_cast<GifByteType>(qRed(palette[i])),
                              static_cast<GifByteType>(qGreen(palette[i])),
                              static_cast<GifByteType>(qBlue(palette[i]))};
  }
  return GifMakeMapObject(size, colours.data());
}

bool writeFrame(GifFileType* gif, const QImage& picture, const Quantiser& q) {
  ColorMapObject* map = makeColourMap(q.palette);
  if (map == nullptr) return false;
  const int width = picture.width();
  const int height = picture.height();
  bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_ERROR &&
            EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
  GifFreeMapObject(map);
  std::vector<GifPixelType> line(static_cast<size_t>(width));
  for (int y = 0; ok && y < height; ++y) {
    const QRgb* pixels = row(picture, y);
    for (int x = 0; x < width; ++x)
      line[static_cast<size_t>(x)] = q.indexOf(pixels[x] | 0xff000000u);
    ok = EGifPutLine(gif, line.data(), width) != GIF_ERROR;
  }
  return ok;
}

}  // namespace

std::string EncodeGif(const QImage& opaquePicture) {
  if (opaquePicture.isNull() || opaquePicture.width() > kGifMaxSide ||
      opaquePicture.height() > kGifMaxSide)
    return {};
  const QImage picture = opaquePicture.convertToFormat(QImage::Format_RGB32);
  std::optional<Quantiser> quantiser = exactColours(picture);
  if (!quantiser) quantiser = medianCut(picture);

  std::string encoded;
  int error = 0;
  GifFileType* gif = EGifOpen(&encoded, appendToString, &error);
  if (gif == nullptr) return {};
  const bool written = writeFrame(gif, picture, *quantiser);
  const bool closed = EGifCloseFile(gif, &error) != GIF_ERROR;  // frees gif in every case
  if (!written || !closed) return {};
  return encoded;
}

}  // namespace om
