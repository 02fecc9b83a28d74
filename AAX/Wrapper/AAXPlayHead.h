#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

class AAX_ITransport;

// The host's transport as JUCE's play head. The host's transport answers for
// the block being rendered, so it is asked only inside the render call;
// outside it the play head knows nothing.
class AAXPlayHead : public juce::AudioPlayHead
{
public:
    void setTransport (const AAX_ITransport* transportToAsk) { transport.store (transportToAsk); }
    void setInsideRender (bool isInside) { insideRender.store (isInside, std::memory_order_relaxed); }

    juce::Optional<PositionInfo> getPosition() const override;

private:
    std::atomic<const AAX_ITransport*> transport { nullptr };
    std::atomic<bool> insideRender { false };
};
