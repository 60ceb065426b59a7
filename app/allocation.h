#pragma once

namespace om {

// From this call on, a failed allocation through operator new (with no new-handler of the
// program's own installed) is the fatal fault "分配 %d 字节内存失败!" with the requested
// size, instead of std::bad_alloc. Until then operator new behaves as the standard one.
void InstallAllocationFailureReaction();
bool AllocationFailureReactionInstalled();

// Every background task runs on a thread of its own, and glibc gives each new thread an arena
// of its own (up to eight per core) that keeps its peak size after the thread has ended, so
// resident memory creeps up over hours of refreshes. From this call on the threads share two
// arenas, enough for the few tasks that run at once. Nothing elsewhere.
void LimitAllocatorArenas();

}  // namespace om
