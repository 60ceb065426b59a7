#pragma once

namespace om {

// A drop-down combo box gets at least this total height for its field and its open list.
inline constexpr int kDropDownTotalHeight = 160;

// How many rows the open list of a drop-down combo box shows: as many as fit below the field in
// the total height (the designed height, at least 160 pixels); at least one.
int DropDownVisibleRows(int designedHeight, int fieldHeight, int rowHeight, int listFrame);

}  // namespace om
