#include "storage/CPrefault.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

void CPrefault::ForWriting(void *block, size_t bytes)
{
#if defined(MADV_POPULATE_WRITE)
    if (!block || bytes < kWorthIt)
        return;
    // Only the whole pages inside the block: the others may hold the
    // allocator's own data next to it.
    static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(page - 1);
    if (end > start) {
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE); // hints: failure changes nothing
        madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
    }
#else
    (void)block;
    (void)bytes;
#endif
}
