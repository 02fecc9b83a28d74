#pragma once

#include "AudioEffect.h"
#include "HostCall.h"

#include <cstdint>
#include <vector>

// A host callback that records every call and answers with a set value. The
// record's user pointer (the host's own field) leads back to the host.

class RecordingHost
{
public:
    static std::intptr_t callback (AEffect* e, std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                   float opt)
    {
        auto* host = e != nullptr ? static_cast<RecordingHost*> (e->user) : nullptr;
        if (host == nullptr)
            return 0;
        host->calls.push_back ({ opcode, index, value, ptr, opt });
        return host->answer;
    }

    void attach (AudioEffect& effect) { effect.getAeffect()->user = this; }

    std::vector<HostCall> calls;
    std::intptr_t answer = 0;
};
