#include "bench/HeapCounter.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<int64_t> LiveBytes{0};
std::atomic<int64_t> PeakBytes{0};

int64_t UsableSize(void* block) {
#ifdef _WIN32
    return static_cast<int64_t>(_msize(block));
#else
    return static_cast<int64_t>(malloc_usable_size(block));
#endif
}

void* CountedAllocate(size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const int64_t live = LiveBytes += UsableSize(block);
    int64_t peak = PeakBytes.load();
    while (live > peak && !PeakBytes.compare_exchange_weak(peak, live)) {
    }
    return block;
}

void CountedFree(void* block) {
    if (block != nullptr) {
        LiveBytes -= UsableSize(block);
        std::free(block);
    }
}

} // namespace

namespace bench {

int64_t LiveHeapBytes() {
    return LiveBytes.load();
}

int64_t PeakHeapBytes() {
    return PeakBytes.load();
}

void ResetPeakHeapBytes() {
    PeakBytes = LiveBytes.load();
}

} // namespace bench

void* operator new(size_t size) {
    return CountedAllocate(size);
}
void* operator new[](size_t size) {
    return CountedAllocate(size);
}
void operator delete(void* block) noexcept {
    CountedFree(block);
}
void operator delete[](void* block) noexcept {
    CountedFree(block);
}
void operator delete(void* block, size_t) noexcept {
    CountedFree(block);
}
void operator delete[](void* block, size_t) noexcept {
    CountedFree(block);
}
