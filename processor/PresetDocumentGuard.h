#pragma once

#include <juce_core/juce_core.h>

#include <memory>

// Preset files and host state are untrusted. JUCE's XML parser recurses once
// per nesting level and without bound on a self-referential DTD entity, and a
// DTD may name a file to read; so every document is checked before it is
// parsed: no DTD, at most eight levels of elements (ours have five), at most
// 1 MiB, and processing instructions only before the root (inside it, one
// followed by text makes the parser loop for ever). The check reads only
// well-formed XML in strict UTF-8 and XML's own entities, which is all our
// writer and JUCE's write; whatever else is refused as a whole, since the
// parser may read it differently.
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
// A file is read only when it is a regular one, and never past the limit.
// `unreadable` tells a file that could not be opened or read at all (no
// permission, a read error) from one that was read and refused.
std::unique_ptr<juce::XmlElement> parseText (const juce::String& text);
std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file);
std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file, bool& unreadable);

// The host-state form written by juce::AudioProcessor::copyXmlToBinary.
std::unique_ptr<juce::XmlElement> parseHostState (const void* data, int sizeInBytes);
} // namespace PresetDocumentGuard
