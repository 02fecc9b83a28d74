#pragma once

#include <juce_core/juce_core.h>

#include <memory>

// Preset files and host state are untrusted. JUCE's XML parser recurses once
// per nesting level and without bound on a self-referential DTD entity, and a
// DTD may name a file to read; so every document is checked before it is
// parsed: no DTD, at most eight levels of elements (ours have five), at most
// 1 MiB. Whatever fails a check is refused as a whole.
namespace PresetDocumentGuard
{
constexpr int maxBytes = 1 << 20;
constexpr int maxDepth = 8;

// Scans the raw text without parsing it.
bool isAcceptableText (const char* utf8, size_t numBytes);
bool isAcceptableText (const juce::String& text);

// For documents parsed elsewhere: the same depth limit on the tree.
bool isAcceptableTree (const juce::XmlElement& root);

// Parses when the checks pass; null otherwise, or when the text is no XML.
std::unique_ptr<juce::XmlElement> parseText (const juce::String& text);
std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file);

// The host-state form written by juce::AudioProcessor::copyXmlToBinary.
std::unique_ptr<juce::XmlElement> parseHostState (const void* data, int sizeInBytes);
} // namespace PresetDocumentGuard
