#pragma once

#include "ui/description.h"

namespace om {

// A control record placed in its parent (the window when the parent is empty; for a child of a
// page control, on the given page). Tab stops follow the kind, as every window of the program
// sets them: edit boxes, buttons, combo boxes, lists and splitter bars take part in focus
// movement. Timers have no visual.
ControlRecord Place(const char* name, const char* parent, int left, int top, int width, int height,
                    ControlProps props, int page = 0);

}  // namespace om
