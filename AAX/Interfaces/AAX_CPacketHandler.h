#pragma once

// Fills a packet by calling one member operation of a worker (the packet
// dispatcher), in either of its two forms. The worker is not owned.

#include "AAX_Errors.h"
#include "AAX_IPacketHandler.h"

template <class TWorker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    using PacketOperation = AAX_Result (TWorker::*) (AAX_CPacket& packet);
    using IdPacketOperation = AAX_Result (TWorker::*) (AAX_CParamID id, AAX_CPacket& packet);

    AAX_CPacketHandler (TWorker* worker, PacketOperation operation) : target (worker), packetOnly (operation) {}
    AAX_CPacketHandler (TWorker* worker, IdPacketOperation operation) : target (worker), withId (operation) {}

    AAX_CPacketHandler* Clone() const override { return new AAX_CPacketHandler (*this); }

    // -20004, with the packet untouched, when there is nothing to call.
    AAX_Result Call (AAX_CParamID id, AAX_CPacket& packet) const override
    {
        if (target == nullptr)
            return AAX_ERROR_NULL_OBJECT;
        if (withId != nullptr)
            return (target->*withId) (id, packet);
        if (packetOnly != nullptr)
            return (target->*packetOnly) (packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    TWorker* target;
    PacketOperation packetOnly = nullptr;
    IdPacketOperation withId = nullptr;
};
