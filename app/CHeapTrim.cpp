#include "app/CHeapTrim.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void CHeapTrim::Release()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
