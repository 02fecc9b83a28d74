// Speaker-arrangement blocks: made here with new char[], freed with delete[].
#include "AudioEffectX.h"

#include <cstring>
#include <new>

bool AudioEffectX::allocateArrangement (VstSpeakerArrangement** arrangement, int channels)
{
    // A negative count or a failed allocation answers false instead of
    // throwing into the host; the old block is then left as it was.
    if (arrangement == nullptr || channels < 0)
        return false;

    const auto bytes = vstSpeakerArrangementBytes (static_cast<std::size_t> (channels));
    auto* block = new (std::nothrow) char[bytes];
    if (block == nullptr)
        return false;

    delete[] reinterpret_cast<char*> (*arrangement);
    std::memset (block, 0, bytes);
    *arrangement = reinterpret_cast<VstSpeakerArrangement*> (block);
    (*arrangement)->numChannels = channels;
    return true;
}

bool AudioEffectX::deallocateArrangement (VstSpeakerArrangement** arrangement)
{
    if (arrangement == nullptr)
        return false;
    delete[] reinterpret_cast<char*> (*arrangement);
    *arrangement = nullptr;
    return true;
}

bool AudioEffectX::copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from)
{
    if (to == nullptr || from == nullptr)
        return false;

    std::strncpy (to->name, from->name, sizeof (to->name) - 1);
    to->name[sizeof (to->name) - 1] = 0;
    to->type = from->type;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    std::memcpy (to->future, from->future, sizeof (to->future));
    return true;
}

bool AudioEffectX::matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from)
{
    if (from == nullptr || to == nullptr)
        return false;
    // Reallocating would free the source before it is read.
    if (*to == from)
        return true;

    if (! deallocateArrangement (to) || ! allocateArrangement (to, from->numChannels))
        return false;

    (*to)->type = from->type;
    for (int channel = 0; channel < (*to)->numChannels; ++channel)
        if (! copySpeaker (vstSpeaker (*to, static_cast<std::size_t> (channel)),
                           vstSpeaker (from, static_cast<std::size_t> (channel))))
            return false;
    return true;
}
