#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "app/text.h"

namespace om {

// Fault codes and their messages.
constexpr int kFaultIndexOutOfRange = 1;

// Ends the process on an internal fault. The report ("运行时出错!", then the code, the message
// and the two position values, one line each) always goes to stderr as UTF-8; where a person
// can see the screen and a presenter is installed it is shown there too, and the call waits
// until it is closed. Then the exit routines are dropped without running and the process ends
// at once with status 255 (-1), without static destructors. Callable from any thread.
[[noreturn]] void FatalError(int code, const Text& message, int32_t position1, int32_t position2);

// Code 1, "数组成员引用下标超出定义范围".
[[noreturn]] void FatalIndexOutOfRange(int32_t position1, int32_t position2);
// Code 0, "分配 %d 字节内存失败!" with the requested size; the positions are 0.
[[noreturn]] void FatalAllocationFailed(size_t size);

// The report text as FatalError builds it, lines separated by "\n".
Text FatalReport(int code, const Text& message, int32_t position1, int32_t position2);
// The caption of the report, "错误".
Text FatalCaption();

// Shows the report to the user and returns once it is closed (the UI library installs a
// blocking message box). FatalError calls it on the window thread only.
using FatalPresenter = std::function<void(const Text& caption, const Text& report)>;
void SetFatalPresenter(FatalPresenter presenter);

}  // namespace om
