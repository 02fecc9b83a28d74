#pragma once

// Coefficient packets: small byte blocks the parameter side posts to numbered
// ports of the host controller. The dispatcher ties parameter IDs to packets,
// remembers which are out of date and, when the host asks for coefficients,
// regenerates and posts each dirty packet once. Every operation holds the
// dispatcher's own mutex, which a handler may re-enter on the same thread.

#include "AAX_CMutex.h"
#include "AAX_CPacket.h"
#include "ACF/AAX_ACFTypes.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

class AAX_IController;
class AAX_IEffectParameters;
class AAX_IPacketHandler;

class AAX_CPacketDispatcher
{
public:
    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();

    AAX_CPacketDispatcher (const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator= (const AAX_CPacketDispatcher&) = delete;

    void Initialize (AAX_IController* controller, AAX_IEffectParameters* effectParameters);

    // Adds (id, the port's packet, a clone of handler); the caller keeps
    // handler. A negative port, null id or null handler registers nothing.
    AAX_Result RegisterPacket (AAX_CParamID id, AAX_CFieldIndex port, const AAX_IPacketHandler* handler);
    AAX_Result SetDirty (AAX_CParamID id, bool dirty = true);

    // Generates and posts every dirty packet once, in ID order, and marks it
    // clean. The result is the first failure (handler or post), else 0.
    AAX_Result Dispatch();

    // A handler body: the parameter's value as a 4-byte (bool as int32 0 or
    // 1, float, int32) or 8-byte (double) packet in native byte order.
    AAX_Result GenerateSingleValuePacket (AAX_CParamID id, AAX_CPacket& packet);

private:
    struct Registration
    {
        AAX_CPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    std::map<AAX_CFieldIndex, std::unique_ptr<AAX_CPacket>> mPacketsHolder;
    std::multimap<std::string, Registration> mPacketsHandlers;
    AAX_IController* mController = nullptr;
    AAX_IEffectParameters* mEffectParameters = nullptr;
    AAX_CMutex mLockGuard;
};
