// ConvertPicture on fuzzed picture files, into the encoder the first byte names; what comes out
// must read again as a picture.

#include <QImage>

#include "fuzz/fuzz_support.h"
#include "net/picture.h"

namespace {

constexpr om::PictureFormat kFormats[] = {om::PictureFormat::Bmp, om::PictureFormat::Jpeg,
                                          om::PictureFormat::Gif, om::PictureFormat::Tiff,
                                          om::PictureFormat::Png};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  om::fuzz::MakeApplication(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const om::PictureFormat format = kFormats[data[0] % std::size(kFormats)];
  const std::string_view picture(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string converted = om::ConvertPicture(picture, format);
  if (!converted.empty()) {
    QImage again;
    OM_FUZZ_CHECK(again.loadFromData(reinterpret_cast<const uchar*>(converted.data()),
                                     static_cast<int>(converted.size())));
    OM_FUZZ_CHECK(!again.isNull() &&
                  static_cast<long long>(again.width()) * again.height() <= om::kMaxPicturePixels);
  }
  return 0;
}
