// Where the editor puts each control over the background, in editor pixels.
// Opaque strips carry the panel beneath them, so the artwork must know this.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace artwork::layout
{
inline constexpr int editorWidth = 325;
inline constexpr int editorHeight = 454;

// Upper strip of the panel.
inline const juce::Rectangle<int> fileButton { 6, 3, 58, 26 };
inline const juce::Rectangle<int> presetName { 67, 3, 192, 26 };
inline const juce::Rectangle<int> presetPrevious { 263, 3, 29, 26 };
inline const juce::Rectangle<int> presetNext { 292, 3, 29, 26 };
inline const juce::Rectangle<int> abSwitch { 92, 35, 62, 23 };
inline const juce::Rectangle<int> abCopy { 163, 30, 75, 25 };
inline const juce::Rectangle<int> syncSwitch { 7, 62, 54, 22 };
inline const juce::Rectangle<int> stereoSwitch { 263, 62, 54, 22 };

// Pedal face.
inline const juce::Rectangle<int> bypass { 222, 354, 90, 99 };
inline const juce::Rectangle<int> type { 106, 137, 48, 80 };
inline const juce::Rectangle<int> type1Spot { 160, 135, 39, 10 };
inline const juce::Rectangle<int> type2Spot { 160, 153, 18, 10 };
inline const juce::Rectangle<int> type3Spot { 160, 172, 49, 10 };
inline const juce::Rectangle<int> rate { 19, 237, 55, 54 };
inline const juce::Rectangle<int> depth { 97, 207, 55, 54 };
inline const juce::Rectangle<int> delay { 173, 207, 55, 54 };
inline const juce::Rectangle<int> feedback { 251, 237, 55, 54 };
inline const juce::Rectangle<int> mix { 14, 126, 73, 72 };
inline const juce::Rectangle<int> level { 237, 126, 73, 72 };
inline const juce::Rectangle<int> aboutSpot { 15, 379, 109, 58 };

// Dialog panels (panel coordinates; the icon layers are drawn 12 px down).
inline constexpr int iconLayerOffsetY = 12;
inline const juce::Rectangle<int> dialogMessage { 32, 136, 260, 182 };
inline const juce::Rectangle<int> dialogButtonSingle { 97, 307, 132, 51 };
inline const juce::Rectangle<int> dialogButtonLeft { 16, 307, 132, 51 };
inline const juce::Rectangle<int> dialogButtonRight { 179, 307, 132, 51 };
inline const juce::Rectangle<int> newFolderField { 23, 229, 280, 24 };
inline const juce::Rectangle<int> browserList { 12, 59, 300, 275 };
inline const juce::Rectangle<int> browserTitle { 0, 4, 325, 46 };
inline const juce::Rectangle<int> browserNewFolder { 16, 336, 132, 51 };
inline const juce::Rectangle<int> browserOk { 179, 336, 132, 51 };
inline const juce::Rectangle<int> browserCancel { 179, 386, 132, 51 };

// About panel.
inline constexpr int aboutHeight = 455;
inline const juce::Rectangle<int> aboutVersion { 150, 112, 100, 16 };
} // namespace artwork::layout
