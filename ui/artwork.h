#pragma once

#include <string_view>

#include "ui/window_ref.h"

namespace om {

// The program's own pictures, built into the executable from assets/. A name is a path below
// assets/, for example "banner_figures.png"; an unknown name gives empty data.
ImageBytes Artwork(std::string_view name);

}  // namespace om
