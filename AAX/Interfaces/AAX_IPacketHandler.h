#pragma once

// Fills the packet of a parameter for the host.

#include "ACF/AAX_ACFTypes.h"

class AAX_CPacket;

class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;
    virtual AAX_IPacketHandler* Clone() const = 0; // a copy the caller owns
    virtual AAX_Result Call (AAX_CParamID id, AAX_CPacket& packet) const = 0;
};
