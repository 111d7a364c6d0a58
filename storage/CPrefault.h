#pragma once

#include <cstddef>
#include <cstdint>

// Maps in, in one call, the pages of a large block that is about to be
// written whole (a file read into memory, the records parsed from it),
// instead of one page fault at a time as each page is first touched. On a
// virtual machine a fault costs several microseconds, more than parsing
// the page. It touches nothing outside the block and changes no policy of
// the allocator; where the system cannot do it, the pages fault in as
// before.
class CPrefault
{
public:
    static constexpr size_t kWorthIt = size_t(64) << 10; // smaller blocks are left alone

    static void ForWriting(void *block, size_t bytes);

    // A block for data written from its start that may grow to megabytes:
    // from 1 MiB on, it is aligned to and advised for the system's large
    // pages, so that filling it costs one fault for each 2 MiB instead of
    // one for each page. Null when there is no memory; freed with FreeLarge.
    static void *AllocateLarge(size_t bytes);
    static void FreeLarge(void *block);

    // For a block filled from its start that may stay far from full: its
    // pages are mapped in a piece at a time, just ahead of the writes.
    class Ahead
    {
    public:
        void Reset(void *block, size_t bytes);
        // The writes have reached used bytes into the block.
        void Reach(size_t used)
        {
            if (m_start + used > m_next)
                MapFrom(m_start + used);
        }

    private:
        void MapFrom(std::uintptr_t reached);
        std::uintptr_t m_start = 0;
        std::uintptr_t m_next = UINTPTR_MAX; // the first page not mapped yet
        std::uintptr_t m_end = 0;            // the end of the block's last whole page
    };
};
