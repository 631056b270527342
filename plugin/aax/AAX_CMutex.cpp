#include "AAX_CMutex.h"

#include <atomic>
#include <pthread.h>

struct AAX_CMutex::Record {
    std::atomic<pthread_t> owner{};
    std::atomic<bool> owned{false};
    pthread_mutex_t mutex;
};

AAX_CMutex::AAX_CMutex() : m_record(std::make_unique<Record>())
{
    if (pthread_mutex_init(&m_record->mutex, nullptr) != 0)
        m_record.reset();
}

AAX_CMutex::~AAX_CMutex()
{
    if (m_record)
        pthread_mutex_destroy(&m_record->mutex);
}

bool AAX_CMutex::Lock()
{
    if (!m_record)
        return false;
    const pthread_t self = pthread_self();
    if (m_record->owned.load() && pthread_equal(m_record->owner.load(), self))
        return false;
    pthread_mutex_lock(&m_record->mutex);
    m_record->owner.store(self);
    m_record->owned.store(true);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (!m_record || !m_record->owned.load() || !pthread_equal(m_record->owner.load(), pthread_self()))
        return;
    m_record->owned.store(false);
    pthread_mutex_unlock(&m_record->mutex);
}
