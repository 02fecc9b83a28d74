#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <string>
#include <string_view>

// Preset paths are the file system's bytes. A folder unpacked from an archive
// made elsewhere may be named in bytes that are no UTF-8: a juce::String
// carries them, but JUCE's text functions, its XML writer and juce::File
// decode them as if they were, and mangle them. Here they are handled as
// bytes, and turned into text only to be shown.
namespace PresetPathText
{
// A String's own bytes, and a String of bytes exactly as given.
std::string_view bytesOf (const juce::String& text);
juce::String fromBytes (std::string_view bytes);

// The length of the UTF-8 sequence that starts at s, or 0 when there is none:
// strict UTF-8 only, without overlong forms, surrogates or anything above
// U+10FFFF.
size_t utf8SequenceLength (const unsigned char* s, size_t size);
bool isUtf8 (std::string_view bytes);

// The bytes as readable text: each byte that is not part of UTF-8 shows as
// U+FFFD.
juce::String readable (std::string_view bytes);

// The last part of a path, without its extension when asked, readable.
juce::String nameToShow (const juce::String& path, bool withoutExtension);

// Escaped for host state: each byte that is not part of UTF-8, and each "%",
// as "%" and two upper-case hex digits; the result is UTF-8.
juce::String escaped (std::string_view bytes);

// The bytes of an escaped text; nothing when an escape is malformed or
// stands for a zero byte.
std::optional<std::string> unescaped (std::string_view text);
} // namespace PresetPathText
