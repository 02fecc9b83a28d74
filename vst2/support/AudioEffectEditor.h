#pragma once

#include "VstHostInterface.h"

#include <cstdint>

// A key event as the dispatcher hands it to an editor.
struct VstKeyRecord
{
    std::int32_t character;
    std::uint8_t virtualKey;
    std::uint8_t modifiers;
};

// An editor an effect may own; the dispatcher hands the host's editor opcodes
// to it. Every operation defaults to "not handled".
class AudioEffectEditor
{
public:
    virtual ~AudioEffectEditor() = default;

    virtual bool getRect (VstEditorRect** rect)
    {
        (void) rect;
        return false;
    }
    virtual bool open (void* parentWindow)
    {
        (void) parentWindow;
        return false;
    }
    virtual void close() {}
    virtual void idle() {}
    virtual bool onKeyDown (VstKeyRecord& key)
    {
        (void) key;
        return false;
    }
    virtual bool onKeyUp (VstKeyRecord& key)
    {
        (void) key;
        return false;
    }
    virtual bool setKnobMode (std::int32_t mode)
    {
        (void) mode;
        return false;
    }
};
