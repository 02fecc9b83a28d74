#include "AAX_CMutex.h"

#include <pthread.h>

#include <atomic>
#include <thread>

// The owner is read without the system mutex, and only ever compared with the
// calling thread, so an atomic word is all it needs.
struct AAX_CMutex::Block
{
    std::atomic<std::thread::id> owner {};
    pthread_mutex_t mutex;
};

AAX_CMutex::AAX_CMutex()
{
    auto made = std::make_unique<Block>();
    if (pthread_mutex_init (&made->mutex, nullptr) == 0)
        block = std::move (made);
}

AAX_CMutex::~AAX_CMutex()
{
    if (block != nullptr)
        pthread_mutex_destroy (&block->mutex);
}

bool AAX_CMutex::Lock()
{
    if (block == nullptr)
        return false;

    const auto self = std::this_thread::get_id();
    if (block->owner.load() == self)
        return false;

    pthread_mutex_lock (&block->mutex);
    block->owner.store (self);
    return true;
}

void AAX_CMutex::Unlock()
{
    if (block == nullptr || block->owner.load() != std::this_thread::get_id())
        return;

    block->owner.store (std::thread::id());
    pthread_mutex_unlock (&block->mutex);
}
