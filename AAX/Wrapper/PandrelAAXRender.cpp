#include "PandrelAAXRender.h"

#include "AAX_Errors.h"
#include "PandrelAAXEffect.h"

namespace PandrelAAXRender
{
void process (const AAX_CContextRecord instancesBegin[], const void* instancesEnd)
{
    if (instancesBegin == nullptr)
        return;

    const auto* end = static_cast<const AAX_CContextRecord*> (instancesEnd);
    for (const auto* it = instancesBegin; it < end; ++it)
    {
        const AAX_CContextRecord record = *it;
        if (record == nullptr)
            continue;
        auto* const* slot = static_cast<PandrelAAXEffect* const*> (record[privateData]);
        const auto* frames = static_cast<const std::int32_t*> (record[bufferLength]);
        if (slot == nullptr || *slot == nullptr || frames == nullptr)
            continue;

        const auto* bypassWord = static_cast<const std::int32_t*> (record[bypass]);
        try
        {
            (*slot)->render (static_cast<const float* const*> (record[audioIn]), static_cast<float* const*> (record[audioOut]),
                             *frames, bypassWord != nullptr && *bypassWord != 0);
        }
        catch (...)
        {
        }
    }
}

std::int32_t initInstance (AAX_CContextRecord instance, const void* commonData, std::int32_t action)
{
    if (instance == nullptr || instance[privateData] == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    auto** slot = static_cast<PandrelAAXEffect**> (instance[privateData]);
    switch (action)
    {
        case AAX_eInstanceInitAction_AddingNewInstance:
        {
            auto* unknown = static_cast<IACFUnknown*> (const_cast<void*> (commonData));
            auto* effect = unknown != nullptr ? dynamic_cast<PandrelAAXEffect*> (unknown) : nullptr;
            if (effect == nullptr)
                return AAX_ERROR_NULL_OBJECT;
            *slot = effect;
            return AAX_SUCCESS;
        }
        case AAX_eInstanceInitAction_RemovingInstance: *slot = nullptr; return AAX_SUCCESS;
        default: return AAX_SUCCESS;
    }
}
} // namespace PandrelAAXRender
