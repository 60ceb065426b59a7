#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace om {

// The encoders ConvertPicture offers, one per file extension.
enum class PictureFormat { Bmp, Jpeg, Gif, Tiff, Png };

// The format of an encoder extension: ".bmp", ".jpg", ".gif", ".tiff" or ".png" (exactly these
// texts); nothing for any other text.
std::optional<PictureFormat> PictureFormatOfExtension(std::string_view extension);

// The largest picture ConvertPicture accepts, in pixels (5000 by 5000). Larger pictures are
// refused from their declared size, before anything is decoded.
constexpr long long kMaxPicturePixels = 25'000'000;

// Decodes a picture in any format Qt reads (PNG, JPEG, GIF, BMP, TIFF, ...; the first frame of
// an animation) and encodes it again in the format `to`. The picture is always flattened onto
// white first, so transparent parts come out opaque in every format, PNG included. Returns
// empty bytes when the input is not a readable picture, is larger than kMaxPicturePixels, or
// cannot be encoded.
std::string ConvertPicture(std::string_view imageBytes, PictureFormat to);

// As above with the target named by its extension; an unknown extension gives empty bytes.
std::string ConvertPicture(std::string_view imageBytes, std::string_view extension);

}  // namespace om
