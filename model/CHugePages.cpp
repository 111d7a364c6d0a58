#include "model/CHugePages.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#include <cstdlib>
#endif

void CHugePages::Prefer(void *block, size_t bytes)
{
#if defined(MADV_HUGEPAGE)
    if (!s_enabled || !block || bytes < kWorthIt)
        return;
    // Only whole huge pages inside the block can become one.
    constexpr std::uintptr_t kHuge = std::uintptr_t(2) << 20;
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(block) + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kHuge - 1);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE); // a hint: failure changes nothing
#else
    (void)block;
    (void)bytes;
#endif
}

void CHugePages::ReadyHeap(size_t bytes)
{
#if defined(MADV_HUGEPAGE) && defined(__GLIBC__)
    if (!s_enabled || bytes < kWorthIt)
        return;
    // Blocks below this size come from the heap (not separate mappings
    // with unaligned ends), and what is freed stays for the next ones.
    constexpr size_t kLargest = size_t(32) << 20;
    if (!mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargest)) || !mallopt(M_TRIM_THRESHOLD, INT_MAX))
        return;
    // Grow the heap by the whole amount at once, mark it, and give it back
    // to the allocator untouched: later blocks fault it in huge pages. The
    // heap grows by a block and the top pad, so the pad makes up the rest.
    const size_t blockBytes = bytes < kLargest / 2 ? bytes : kLargest / 2;
    if (bytes > blockBytes && !mallopt(M_TOP_PAD, static_cast<int>(std::min<size_t>(bytes - blockBytes, INT_MAX))))
        return;
    void *block = std::malloc(blockBytes);
    if (!block)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
    if (top > start)
        Prefer(block, top - start);
    std::free(block);
#else
    (void)bytes;
#endif
}
