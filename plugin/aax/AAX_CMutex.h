#pragma once
// A lock that knows its owner: a second Lock() on the owning thread does
// not block and reports false, so only the outer caller unlocks.
#include <memory>

class AAX_CMutex {
public:
    AAX_CMutex();
    ~AAX_CMutex();
    AAX_CMutex(const AAX_CMutex&) = delete;
    AAX_CMutex& operator=(const AAX_CMutex&) = delete;

    bool Lock();
    void Unlock();

private:
    struct Record;  // the platform's lock and its owner
    std::unique_ptr<Record> m_record;
};

// Unlocks at scope end only when this scope took the lock.
class AAX_StLock_Guard {
public:
    explicit AAX_StLock_Guard(AAX_CMutex& m) : m_mutex(m), m_locked(m.Lock()) {}
    ~AAX_StLock_Guard()
    {
        if (m_locked)
            m_mutex.Unlock();
    }
    AAX_StLock_Guard(const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator=(const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& m_mutex;
    bool m_locked;
};
