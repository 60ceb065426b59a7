#pragma once

namespace om {

// Where the outline of a dragged splitter bar lies along its axis: the start coordinate moved by
// the pointer's travel, kept so that the bar stays inside the parent's client area, but never
// pulled away from a start that already lies partly outside it.
int SplitterOutlinePosition(int start, int pointerTravel, int barExtent, int parentExtent);

}  // namespace om
