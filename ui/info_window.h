#pragma once

#include "ui/description.h"

namespace om {

// The small appreciation window: created hidden; whoever opens it shows it.
WindowDescription InfoWindowDescription();

// Opens the appreciation window and shows it, or brings the open one to the front.
WindowRef ShowInfoWindow();

}  // namespace om
