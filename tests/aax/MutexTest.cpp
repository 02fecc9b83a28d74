// The mutex behind the packet dispatcher: owned, re-entry refused.
#include "AAX_CMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST (AaxMutex, ASecondLockOnTheOwningThreadIsRefusedAndOneUnlockFreesIt)
{
    AAX_CMutex mutex;
    ASSERT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());

    bool otherGotIt = true;
    std::thread ([&] { otherGotIt = false; mutex.Unlock(); }).join(); // not the owner: nothing
    EXPECT_FALSE (otherGotIt);

    mutex.Unlock();
    std::thread ([&] {
        otherGotIt = mutex.Lock();
        mutex.Unlock();
    }).join();
    EXPECT_TRUE (otherGotIt);
}

TEST (AaxMutex, KeepsTwoThreadsApart)
{
    AAX_CMutex mutex;
    std::atomic<int> inside { 0 };
    std::atomic<bool> overlapped { false };
    long counter = 0;
    const auto work = [&] {
        for (int i = 0; i < 20000; ++i)
        {
            const AAX_StLock_Guard guard (mutex);
            if (++inside > 1)
                overlapped = true;
            ++counter;
            --inside;
        }
    };
    std::thread a (work), b (work);
    a.join();
    b.join();
    EXPECT_FALSE (overlapped);
    EXPECT_EQ (counter, 40000);
}
