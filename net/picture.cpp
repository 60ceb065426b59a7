#include "net/picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include "net/picture_check.h"
#include "net/picture_gif.h"

namespace om {

namespace {

bool tooLarge(QSize size) {
  return static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels;
}

// The first frame of the picture, or a null image. A declared size beyond the limit is
// refused before decoding, so a tiny file claiming a huge picture allocates nothing; formats
// that do not declare a size are still bounded by Qt's image allocation limit. A cut-off
// download is refused rather than shown with a grey or garbled part.
QImage decodeFirstFrame(std::string_view bytes) {
  if (bytes.empty() || LooksCutShort(bytes)) return {};
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer device(&data);
  if (!device.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&device);
  const QSize declared = reader.size();
  if (declared.isValid() && (declared.isEmpty() || tooLarge(declared))) return {};
  QImage image;
  if (!reader.read(&image) || image.isNull() || tooLarge(image.size())) return {};
  return image;
}

// Transparent parts become white, so every encoder sees the same opaque picture.
QImage flattenOntoWhite(const QImage& picture) {
  QImage opaque(picture.size(), QImage::Format_RGB32);
  if (opaque.isNull()) return {};
  opaque.fill(Qt::white);
  QPainter painter(&opaque);
  painter.drawImage(0, 0, picture);
  painter.end();
  return opaque;
}

std::string encodeWithQt(const QImage& picture, PictureFormat to) {
  QByteArray encoded;
  QBuffer device(&encoded);
  if (!device.open(QIODevice::WriteOnly)) return {};
  QImageWriter writer(&device, QByteArray());
  switch (to) {
    case PictureFormat::Bmp:
      writer.setFormat("bmp");
      break;
    case PictureFormat::Jpeg:
      writer.setFormat("jpeg");
      writer.setQuality(90);  // the map carries small text, which lower qualities smear
      break;
    case PictureFormat::Tiff:
      writer.setFormat("tiff");
      writer.setCompression(1);  // LZW: lossless and far smaller than raw strips
      break;
    case PictureFormat::Png:
      writer.setFormat("png");
      break;
    case PictureFormat::Gif:
      return {};
  }
  if (!writer.write(picture)) return {};
  return std::string(encoded.constData(), static_cast<size_t>(encoded.size()));
}

}  // namespace

std::optional<PictureFormat> PictureFormatOfExtension(std::string_view extension) {
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".jpg") return PictureFormat::Jpeg;
  if (extension == ".gif") return PictureFormat::Gif;
  if (extension == ".tiff") return PictureFormat::Tiff;
  if (extension == ".png") return PictureFormat::Png;
  return std::nullopt;
}

std::string ConvertPicture(std::string_view imageBytes, PictureFormat to) {
  const QImage decoded = decodeFirstFrame(imageBytes);
  if (decoded.isNull()) return {};
  const QImage opaque = flattenOntoWhite(decoded);
  if (opaque.isNull()) return {};
  if (to == PictureFormat::Gif) return EncodeGif(opaque);
  return encodeWithQt(opaque, to);
}

std::string ConvertPicture(std::string_view imageBytes, std::string_view extension) {
  const std::optional<PictureFormat> to = PictureFormatOfExtension(extension);
  if (!to) return {};
  return ConvertPicture(imageBytes, *to);
}

}  // namespace om
