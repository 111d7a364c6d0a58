#pragma once

#include <cstddef>

// Asks the system to back a large block of fresh memory with huge pages
// where it can (Linux, transparent huge pages in "madvise" mode). Reading
// a large reminder file touches tens of megabytes for the first time, and
// one fault per 4 KiB page costs more than the parsing. A hint only:
// nothing changes where it is not supported. Call it before the block is
// first written.
//
// Off until a program turns it on: short runs over a large file (the
// command line) gain; the desktop program, which keeps its memory for a
// session and shows its window sooner without it, does not.
class CHugePages
{
public:
    static constexpr size_t kWorthIt = size_t(4) << 20; // smaller blocks are left alone

    static void Enable() { s_enabled = true; }
    static void Prefer(void *block, size_t bytes);
    // Readies the heap for about this many bytes of new small blocks (the
    // records' texts): it grows once, in huge pages, instead of one page
    // fault at a time. For a run that reads one large file and ends.
    static void ReadyHeap(size_t bytes);

private:
    static inline bool s_enabled = false;
};
