#include "alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> armed{false};
std::atomic<int> count{0};
}  // namespace

void alloc_counter::start()
{
    count = 0;
    armed = true;
}

int alloc_counter::stop()
{
    armed = false;
    return count.load();
}

void* operator new(std::size_t n)
{
    if (armed)
        ++count;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
