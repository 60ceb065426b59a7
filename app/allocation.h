#pragma once

namespace om {

// From this call on, a failed allocation through operator new (with no new-handler of the
// program's own installed) is the fatal fault "分配 %d 字节内存失败!" with the requested
// size, instead of std::bad_alloc. Until then operator new behaves as the standard one.
void InstallAllocationFailureReaction();
bool AllocationFailureReactionInstalled();

}  // namespace om
