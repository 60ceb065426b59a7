#include "app/allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/fatal.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace om {
namespace {

std::atomic<bool> reactionInstalled{false};

}  // namespace

void InstallAllocationFailureReaction() {
  reactionInstalled = true;
}
bool AllocationFailureReactionInstalled() {
  return reactionInstalled;
}

void LimitAllocatorArenas() {
#if defined(__GLIBC__)
  constexpr int kArenas = 2;
  mallopt(M_ARENA_MAX, kArenas);
#endif
}

}  // namespace om

// The replaceable global allocation functions, so that a failure can name the size it asked
// for (a new-handler is not told the size). They follow the standard loop: try, call the
// new-handler if there is one, else fail. Blocks come from malloc, so the standard delete
// (free) matches; the delete forms are replaced too, to keep the pair in one place.
namespace {

void* allocateOrFail(std::size_t size) {
  if (size == 0) size = 1;
  for (;;) {
    if (void* block = std::malloc(size)) return block;
    if (std::new_handler handler = std::get_new_handler()) {
      handler();
      continue;
    }
    if (om::reactionInstalled) om::FatalAllocationFailed(size);
    throw std::bad_alloc();
  }
}

void* allocateOrNull(std::size_t size) noexcept {
  if (size == 0) size = 1;
  for (;;) {
    if (void* block = std::malloc(size)) return block;
    std::new_handler handler = std::get_new_handler();
    if (!handler) return nullptr;
    try {
      handler();
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
}

}  // namespace

void* operator new(std::size_t size) {
  return allocateOrFail(size);
}
void* operator new[](std::size_t size) {
  return allocateOrFail(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return allocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return allocateOrNull(size);
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
  std::free(block);
}
