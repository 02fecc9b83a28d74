#include "WorkBuffers.h"

#include <algorithm>
#include <new>

int WorkBuffers::lengthFor (int blockSize)
{
    return std::clamp (blockSize, minimumLength, maximumLength);
}

bool WorkBuffers::allocate (int blockSize) noexcept
{
    release();
    const int newLength = lengthFor (blockSize);
    try
    {
        // The length is committed only once all four exist.
        std::vector<float> buffers[4];
        for (auto& buffer : buffers)
            buffer.assign (static_cast<size_t> (newLength), 0.0f);
        dryLeft.swap (buffers[0]);
        dryRight.swap (buffers[1]);
        altLeft.swap (buffers[2]);
        altRight.swap (buffers[3]);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    length = newLength;
    return true;
}

void WorkBuffers::release() noexcept
{
    length = 0;
    for (auto* buffer : { &dryLeft, &dryRight, &altLeft, &altRight })
        std::vector<float>().swap (*buffer);
}
