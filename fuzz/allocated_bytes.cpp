#include "allocated_bytes.h"

#include <cstdlib>
#include <new>

#include "check.h"

namespace {

std::size_t allocated = 0;

void* allocate(std::size_t size) {
    allocated += size;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

}  // namespace

namespace fontedit::fuzz {

std::size_t allocatedBytes() {
    return allocated;
}

void requireWorkWithin(std::size_t before, std::size_t most) {
    require(allocated - before <= most,
            "the import's memory work stays within a multiple of the source");
}

}  // namespace fontedit::fuzz

// The sanitizer's own allocator still serves every block, through malloc.
void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocated += size;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
    return operator new(size, nothrow);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
