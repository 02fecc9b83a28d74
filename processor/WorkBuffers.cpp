#include "WorkBuffers.h"

#include <algorithm>

void WorkBuffers::allocate (int blockSize)
{
    release();
    length = std::max (blockSize, minimumLength);
    for (auto* buffer : { &dryLeft, &dryRight, &altLeft, &altRight })
        buffer->assign (static_cast<size_t> (length), 0.0f);
}

void WorkBuffers::release()
{
    for (auto* buffer : { &dryLeft, &dryRight, &altLeft, &altRight })
        std::vector<float>().swap (*buffer);
    length = 0;
}
