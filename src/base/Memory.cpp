#include "base/Memory.h"

#include <malloc.h>

void KeepFreedMemoryForReuse() {
    // Up to 64 MB freed at the top of the heap stays there. Blocks up to 32 MB (a PDF page's
    // contents, a picture) come from the heap as well: with the trim threshold set by hand, glibc
    // would otherwise map and unmap each of them on its own.
    ::mallopt(M_TRIM_THRESHOLD, 64 << 20);
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
}
