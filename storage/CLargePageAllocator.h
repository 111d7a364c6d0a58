#pragma once

#include "storage/CPrefault.h"

#include <cstddef>
#include <new>

// A vector's storage from CPrefault::AllocateLarge: a large array filled
// from its start takes its pages a large page at a time.
template <class T>
class CLargePageAllocator
{
public:
    using value_type = T;

    CLargePageAllocator() = default;
    template <class U>
    CLargePageAllocator(const CLargePageAllocator<U> &) noexcept
    {
    }

    T *allocate(size_t count)
    {
        if (count > static_cast<size_t>(-1) / sizeof(T))
            throw std::bad_alloc();
        void *block = CPrefault::AllocateLarge(count * sizeof(T));
        if (!block)
            throw std::bad_alloc();
        return static_cast<T *>(block);
    }
    void deallocate(T *block, size_t) noexcept { CPrefault::FreeLarge(block); }

    template <class U>
    bool operator==(const CLargePageAllocator<U> &) const noexcept
    {
        return true;
    }
};
