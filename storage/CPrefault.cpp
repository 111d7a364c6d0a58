#include "storage/CPrefault.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

std::uintptr_t pageSize()
{
    static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    return page;
}

} // namespace

// Advice on the whole pages inside the block only: the others may hold
// the allocator's own data next to it. Advice it cannot take changes
// nothing.
void CPrefault::ForWriting(void *block, size_t bytes)
{
#if defined(MADV_POPULATE_WRITE) && defined(MADV_HUGEPAGE)
    if (!block || bytes < kWorthIt)
        return;
    const std::uintptr_t page = pageSize();
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(block) + page - 1) & ~(page - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(page - 1);
    if (end <= start)
        return;
    madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
    madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE);
#else
    (void)block;
    (void)bytes;
#endif
}

void CPrefault::Ahead::Reset(void *block, size_t bytes)
{
    const std::uintptr_t page = pageSize();
    m_start = reinterpret_cast<std::uintptr_t>(block);
    m_next = block ? (m_start + page - 1) & ~(page - 1) : UINTPTR_MAX;
    m_end = (m_start + bytes) & ~(page - 1);
}

void CPrefault::Ahead::MapFrom(std::uintptr_t reached)
{
#if defined(MADV_POPULATE_WRITE)
    // A piece large enough to be worth a call, ending past the writes.
    const std::uintptr_t page = pageSize();
    const std::uintptr_t to = std::min(m_end, (reached + kWorthIt + page - 1) & ~(page - 1));
    if (to > m_next) {
        madvise(reinterpret_cast<void *>(m_next), to - m_next, MADV_POPULATE_WRITE);
        m_next = to;
        return;
    }
#else
    (void)reached;
#endif
    m_next = UINTPTR_MAX; // the rest is less than a page, or nothing can be mapped ahead
}

void *CPrefault::AllocateLarge(size_t bytes)
{
    constexpr size_t kLargePage = size_t(2) << 20;
    if (bytes < kLargePage / 2)
        return std::malloc(bytes);
    const size_t whole = (bytes + kLargePage - 1) & ~(kLargePage - 1);
    if (whole < bytes)
        return nullptr; // past what can be addressed
    void *block = std::aligned_alloc(kLargePage, whole);
#if defined(MADV_HUGEPAGE)
    if (block)
        madvise(block, whole, MADV_HUGEPAGE);
#endif
    return block;
}

void CPrefault::FreeLarge(void *block) { std::free(block); }
