#pragma once

// Helpers shared by the dispatchers: how answers are widened for the host and
// which host arguments are acceptable at all.

#include "AudioEffect.h"
#include "VstHostInterface.h"

#include <cmath>
#include <cstdint>

inline std::intptr_t vstSignExtended (int value)
{
    return static_cast<std::intptr_t> (value);
}

inline std::intptr_t vstZeroExtended (int value)
{
    return static_cast<std::intptr_t> (static_cast<std::uint32_t> (value));
}

inline std::intptr_t vstBoolean (bool value)
{
    return value ? 1 : 0;
}

inline bool vstIsChunkSize (std::intptr_t size)
{
    return size > 0 && size <= AudioEffect::maxChunkSize;
}

// A float from the host as an int; NaN and values out of range give 0 instead
// of undefined behaviour.
inline int vstIntFromFloat (float value)
{
    return std::isfinite (value) && std::fabs (value) < 2.0e9f ? static_cast<int> (value) : 0;
}

// Opcodes whose ptr argument an operation writes to or reads from: a host
// passing null gets 0 and the operation is not called.
inline bool vstOpcodeNeedsPointer (int opcode)
{
    namespace Op = VstEffectOpcode;
    switch (opcode)
    {
        case Op::setProgramName:
        case Op::getProgramName:
        case Op::getParameterLabel:
        case Op::getParameterDisplay:
        case Op::getParameterName:
        case Op::editorGetRect:
        case Op::getChunk:
        case Op::setChunk:
        case Op::processEvents:
        case Op::stringToParameter:
        case Op::getProgramNameIndexed:
        case Op::getInputProperties:
        case Op::getOutputProperties:
        case Op::offlineNotify:
        case Op::offlinePrepare:
        case Op::offlineRun:
        case Op::processVariableIo:
        case Op::getEffectName:
        case Op::getVendorString:
        case Op::getProductString:
        case Op::canDo:
        case Op::getParameterProperties:
        case Op::getMidiProgramName:
        case Op::getMidiProgramCategory:
        case Op::getMidiKeyName:
        case Op::getSpeakerArrangement:
        case Op::getNextShellPlugin:
        case Op::beginLoadBank:
        case Op::beginLoadProgram: return true;
        default: return false;
    }
}
