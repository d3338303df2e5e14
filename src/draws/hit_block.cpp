#include "draws/hit_block.h"

#include <new>

#include <sys/mman.h>

THitBlock::THitBlock(size_t capacity, size_t entryBytes) : capacity_(capacity), bytes_(capacity * entryBytes)
{
    void *memory = ::mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(memory, bytes_, MADV_HUGEPAGE); // a hint; without it the block still works
#endif
    data_ = memory;
}

THitBlock::~THitBlock()
{
    ::munmap(data_, bytes_);
}
