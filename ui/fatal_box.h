#pragma once

namespace om {

// Makes fatal faults show a message box with the error icon, captioned with the fault's
// caption, before the process ends. Call once on the window thread after the QApplication
// exists.
void InstallFatalMessageBox();

}  // namespace om
