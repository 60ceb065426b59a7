#pragma once

namespace om {

// The offline demo: the real dashboard with every source pointed at a replay server on
// 127.0.0.1 that serves sample files. Creates the application, runs until the window closes
// (or, with --quit-after-refresh, until the window is filled) and ends the process.
[[noreturn]] void RunDemo(int argc, char** argv);

}  // namespace om
