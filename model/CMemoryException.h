#pragma once

#include <stdexcept>

// Memory ran out, or a stream asked for more than it could possibly hold.
class CMemoryException : public std::runtime_error
{
public:
    CMemoryException() : std::runtime_error("out of memory") {}
};
