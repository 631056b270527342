#include "write_trap.h"

#include <atomic>
#include <cstdint>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sched.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace vlt::test {
namespace {

enum State : int { kArmed, kHit, kReleased, kFinished };

// What the fault handler needs; it may only touch lock-free atomics.
std::atomic<char*> trap_page{nullptr};
std::atomic<std::size_t> page_bytes{0};
std::atomic<int> state{kArmed};
std::atomic<bool> was_hit{false};

bool is_trap(const void* address)
{
    const char* page = trap_page.load();
    const char* a = static_cast<const char*>(address);
    return page && a >= page && a < page + page_bytes.load();
}

// On the writer's thread, inside its write: stop until released.
void stop_here()
{
    was_hit.store(true);
    state.store(kHit);
    while (state.load() != kReleased) {
#ifdef _WIN32
        SwitchToThread();
#else
        sched_yield();
#endif
    }
}

#ifdef _WIN32

void* handler = nullptr;

std::size_t page_size()
{
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

char* map(std::size_t bytes)
{
    return static_cast<char*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

void unmap(char* p, std::size_t) { VirtualFree(p, 0, MEM_RELEASE); }

bool protect(char* p, std::size_t bytes, bool writable)
{
    DWORD old;
    return VirtualProtect(p, bytes, writable ? PAGE_READWRITE : PAGE_READONLY, &old) != 0;
}

LONG CALLBACK on_fault(EXCEPTION_POINTERS* e)
{
    const EXCEPTION_RECORD* r = e->ExceptionRecord;
    if (r->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || r->NumberParameters < 2 ||
        !is_trap(reinterpret_cast<const void*>(r->ExceptionInformation[1])))
        return EXCEPTION_CONTINUE_SEARCH;
    stop_here();
    protect(trap_page.load(), page_bytes.load(), true);
    return EXCEPTION_CONTINUE_EXECUTION;
}

void install() { handler = AddVectoredExceptionHandler(1, on_fault); }
void uninstall()
{
    if (handler)
        RemoveVectoredExceptionHandler(handler);
    handler = nullptr;
}

#else

struct sigaction previous;

std::size_t page_size() { return static_cast<std::size_t>(sysconf(_SC_PAGESIZE)); }

char* map(std::size_t bytes)
{
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : static_cast<char*>(p);
}

void unmap(char* p, std::size_t bytes) { munmap(p, bytes); }

bool protect(char* p, std::size_t bytes, bool writable)
{
    return mprotect(p, bytes, writable ? PROT_READ | PROT_WRITE : PROT_READ) == 0;
}

void on_fault(int sig, siginfo_t* info, void*)
{
    if (!is_trap(info->si_addr)) {
        // Not ours: the fault repeats under the handler that was there.
        sigaction(sig, &previous, nullptr);
        return;
    }
    stop_here();
    protect(trap_page.load(), page_bytes.load(), true);
}

void install()
{
    struct sigaction a = {};
    a.sa_sigaction = on_fault;
    a.sa_flags = SA_SIGINFO;
    sigemptyset(&a.sa_mask);
    sigaction(SIGSEGV, &a, &previous);
}
void uninstall() { sigaction(SIGSEGV, &previous, nullptr); }

#endif

}  // namespace

WriteTrap::WriteTrap(std::size_t count, std::size_t at)
{
    const std::size_t page = page_size();
    // data_ + at on a page boundary, and at least that whole page mapped.
    const std::size_t lead = (at * sizeof(float) + page - 1) / page * page;
    const std::size_t rest = (count - at) * sizeof(float);
    bytes_ = lead + (rest > page ? (rest + page - 1) / page * page : page);
    base_ = map(bytes_);
    if (!base_)
        return;
    data_ = reinterpret_cast<float*>(base_ + lead) - at;
    state.store(kArmed);
    was_hit.store(false);
    page_bytes.store(page);
    trap_page.store(base_ + lead);
    install();
    if (!protect(base_ + lead, page, false)) {
        uninstall();
        data_ = nullptr;
    }
}

WriteTrap::~WriteTrap()
{
    if (data_)
        uninstall();
    trap_page.store(nullptr);
    if (base_)
        unmap(base_, bytes_);
}

bool WriteTrap::wait_for_hit() const
{
    int s;
    while ((s = state.load()) == kArmed)
        std::this_thread::yield();
    return s == kHit;
}

void WriteTrap::release() const
{
    int hit_state = kHit;
    state.compare_exchange_strong(hit_state, kReleased);
}

void WriteTrap::finished() const
{
    int armed = kArmed;
    state.compare_exchange_strong(armed, kFinished);
}

bool WriteTrap::hit() const { return was_hit.load(); }

}  // namespace vlt::test
