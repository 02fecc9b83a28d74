// Pictures for looking at the artwork: contact sheets of every image and
// mock-ups of the editor and its panels as a user will see them.
#pragma once

#include "Catalogue.h"

namespace artwork
{
// Writes the sheets and mock-ups as PNG files into `folder`; false on a write failure.
bool writePreviews (const std::vector<Artwork>& all, const juce::File& folder);

bool writePng (const juce::Image& image, const juce::File& file);
} // namespace artwork
