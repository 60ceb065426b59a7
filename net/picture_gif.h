#pragma once

#include <string>

class QImage;

namespace om {

// Encodes an opaque picture as a GIF through giflib. Pictures of at most 256 colours keep
// their exact colours; others are reduced to 256 by median cut over a 5-bit-per-channel
// histogram and mapped to the nearest palette colour, without dithering (maps and charts are
// flat colour areas, which dithering would only speckle). Empty bytes when giflib fails or
// the picture exceeds the format's 65535-pixel sides.
std::string EncodeGif(const QImage& opaquePicture);

}  // namespace om
