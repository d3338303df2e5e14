#pragma once

#include <cstddef>
#include <cstdint>

// A large block of hit entries (16 or 32 bits each) taken straight from the system, backed by
// huge pages where the system offers them: the prize scan writes tens of
// millions of hits, and touching them page by page would cost more than
// finding them. Pages never written are never backed by memory.
class THitBlock {
public:
    // Room for capacity entries of entryBytes each. Raises std::bad_alloc
    // when the system refuses the block.
    THitBlock(size_t capacity, size_t entryBytes);
    ~THitBlock();
    THitBlock(const THitBlock &) = delete;
    THitBlock &operator=(const THitBlock &) = delete;

    size_t Free() const { return capacity_ - used_; }
    // Where the next entries go.
    template <typename Entry> Entry *End() { return static_cast<Entry *>(data_) + used_; }
    void Commit(size_t count) { used_ += count; }

private:
    void *data_ = nullptr;
    size_t capacity_ = 0;
    size_t bytes_ = 0;
    size_t used_ = 0;
};
