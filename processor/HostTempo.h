#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>

// The host's tempo, when its play head reports one that the models can use:
// finite and positive. The position is kept in `record` either way.
std::optional<float> readHostTempo (juce::AudioPlayHead* playHead, juce::AudioPlayHead::PositionInfo& record);
