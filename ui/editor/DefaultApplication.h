#pragma once

#include <juce_core/juce_core.h>

// Opens a file or a web address in the desktop's default application.
namespace DefaultApplication
{
// Runs "xdg-open" (found on PATH) with the path or address as its one
// argument, with no shell in between, so nothing in it is ever interpreted
// and a file is opened, never run. The opener is left running on its own
// (double fork): the host gets no child to wait for. False when it could not
// be started.
bool open (const juce::String& pathOrAddress);
} // namespace DefaultApplication
