#pragma once

// A mutex on POSIX threads that knows its owner: a second Lock on the thread
// that holds it returns false and does nothing, so code under one lock may
// call other code that takes the same lock. If the system mutex cannot be
// made, Lock always returns false and nothing is serialised.

#include <memory>

class AAX_CMutex
{
public:
    AAX_CMutex();
    ~AAX_CMutex();

    AAX_CMutex (const AAX_CMutex&) = delete;
    AAX_CMutex& operator= (const AAX_CMutex&) = delete;

    // True when this call took the mutex; the taker must Unlock it.
    bool Lock();
    // Only the owner's call unlocks; any other does nothing.
    void Unlock();

private:
    struct Block;
    std::unique_ptr<Block> block;
};

// Holds the mutex for a scope, unlocking only what its own Lock took.
class AAX_StLock_Guard
{
public:
    explicit AAX_StLock_Guard (AAX_CMutex& mutexToHold) : mutex (mutexToHold), locked (mutex.Lock()) {}
    ~AAX_StLock_Guard()
    {
        if (locked)
            mutex.Unlock();
    }

    AAX_StLock_Guard (const AAX_StLock_Guard&) = delete;
    AAX_StLock_Guard& operator= (const AAX_StLock_Guard&) = delete;

private:
    AAX_CMutex& mutex;
    bool locked;
};
