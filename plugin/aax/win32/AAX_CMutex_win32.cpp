// The Windows lock: a mutex object, its owner the thread id that took it.
#include "AAX_CMutex.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <atomic>

struct AAX_CMutex::Record {
    std::atomic<DWORD> owner{0};  // 0 is never a thread id
    HANDLE mutex = nullptr;
};

AAX_CMutex::AAX_CMutex() : m_record(std::make_unique<Record>())
{
    m_record->mutex = CreateMutexA(nullptr, FALSE, nullptr);
    if (!m_record->mutex)
        m_record.reset();
}

AAX_CMutex::~AAX_CMutex()
{
    if (m_record)
        CloseHandle(m_record->mutex);
}

bool AAX_CMutex::Lock()
{
    if (!m_record)
        return false;
    const DWORD self = GetCurrentThreadId();
    // A Windows mutex is recursive; the owner rule makes the nested Lock a no-op instead.
    if (m_record->owner.load() == self)
        return false;
    if (WaitForSingleObject(m_record->mutex, INFINITE) == WAIT_FAILED)
        return false;
    m_record->owner.store(self);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (!m_record || m_record->owner.load() != GetCurrentThreadId())
        return;
    m_record->owner.store(0);
    ReleaseMutex(m_record->mutex);
}
