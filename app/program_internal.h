#pragma once

namespace om {

// Empties the exit-routine list without running any of it (the fatal path).
void DropExitRoutines();

}  // namespace om
