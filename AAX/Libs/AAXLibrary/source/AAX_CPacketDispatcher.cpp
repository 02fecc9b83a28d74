#include "AAX_CPacketDispatcher.h"

#include "AAX_Errors.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IPacketHandler.h"
#include "AAX_IParameter.h"

#include <cstring>

AAX_CPacketDispatcher::AAX_CPacketDispatcher() = default;

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    const AAX_StLock_Guard guard (mLockGuard);
    mPacketsHandlers.clear();
    mPacketsHolder.clear();
}

void AAX_CPacketDispatcher::Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters)
{
    const AAX_StLock_Guard guard (mLockGuard);
    mController = controller;
    mEffectParameters = effectParameters;
}

AAX_Result AAX_CPacketDispatcher::RegisterPacket (AAX_CParamID id, AAX_CFieldIndex port,
                                                  const AAX_IPacketHandler* handler)
{
    if (id == nullptr || port < 0 || handler == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const AAX_StLock_Guard guard (mLockGuard);
    auto& packet = mPacketsHolder[port];
    if (packet == nullptr)
        packet = std::make_unique<AAX_CPacket> (port);

    mPacketsHandlers.emplace (std::string (id), Registration { packet.get(), std::unique_ptr<AAX_IPacketHandler> (handler->Clone()) });
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SetDirty (AAX_CParamID id, bool dirty)
{
    if (id == nullptr)
        return AAX_SUCCESS;

    const AAX_StLock_Guard guard (mLockGuard);
    const auto range = mPacketsHandlers.equal_range (std::string (id));
    for (auto it = range.first; it != range.second; ++it)
        it->second.packet->SetDirty (dirty);
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::Dispatch()
{
    const AAX_StLock_Guard guard (mLockGuard);
    AAX_Result result = AAX_SUCCESS;
    for (auto& [id, registration] : mPacketsHandlers)
    {
        auto& packet = *registration.packet;
        if (! packet.IsDirty())
            continue;

        AAX_Result r = registration.handler != nullptr ? registration.handler->Call (id.c_str(), packet)
                                                        : AAX_ERROR_NULL_OBJECT;
        if (r == AAX_SUCCESS)
            r = mController != nullptr ? mController->PostPacket (packet.GetID(), packet.GetData().Get(), packet.GetSize())
                                       : AAX_ERROR_NULL_OBJECT;
        if (result == AAX_SUCCESS)
            result = r;
        packet.SetDirty (false);
    }
    return result;
}

AAX_Result AAX_CPacketDispatcher::GenerateSingleValuePacket (AAX_CParamID id, AAX_CPacket& packet)
{
    AAX_IParameter* parameter = nullptr;
    if (mEffectParameters == nullptr || mEffectParameters->GetParameter (id, &parameter) != AAX_SUCCESS
        || parameter == nullptr)
        return AAX_ERROR_NULL_OBJECT;

    const auto store = [&packet] (const auto& value) {
        std::memcpy (packet.GetData().Get (sizeof (value)), &value, sizeof (value));
        packet.SetSize (sizeof (value));
    };

    bool b = false;
    float f = 0.0f;
    std::int32_t i = 0;
    double d = 0.0;
    if (parameter->GetValueAsBool (&b))
        store (std::int32_t (b ? 1 : 0));
    else if (parameter->GetValueAsFloat (&f))
        store (f);
    else if (parameter->GetValueAsInt32 (&i))
        store (i);
    else if (parameter->GetValueAsDouble (&d))
        store (d);
    else
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}
