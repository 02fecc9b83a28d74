// The dialog panels' embedded images, decoded, by the type numbers their
// owners pass in. Unknown types fall back as the tables say.
#pragma once

#include <juce_graphics/juce_graphics.h>

namespace MorvidDialogImages
{
// 3 or 4 cancel, 5 save, 7 import, 8 new folder, 9 download, 10 overwrite,
// any other value ok (a two-frame strip of 132 x 102).
juce::Image button (int type);

// 1 asterisk, 2 the ok strip, 3 smile, 4 frown, any other value asterisk.
juce::Image icon (int type);

// 1 "save as", 2 "load", 3 "import"; any other value no layer (a null image).
juce::Image browserTitle (int type);

juce::Image dialogBackground();
juce::Image browserBackground();
} // namespace MorvidDialogImages
