#include "model/CHugePages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
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
