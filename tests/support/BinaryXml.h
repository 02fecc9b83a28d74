#pragma once
// JUCE's framing of an XML document in host state (copyXmlToBinary): a mark,
// the length of the text with its closing zero, the UTF-8 text, the zero; the
// numbers little-endian.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace binaryxml
{
constexpr std::uint32_t mark = 0x21324356;

// Any text, with the length field and mark given.
inline std::vector<char> frame (const std::string& text, std::uint32_t declaredLength, std::uint32_t markWord = mark)
{
    std::vector<char> bytes;
    for (auto word : { markWord, declaredLength })
        for (int b = 0; b < 4; ++b)
            bytes.push_back (static_cast<char> ((word >> (8 * b)) & 0xff));
    bytes.insert (bytes.end(), text.begin(), text.end());
    bytes.push_back (0);
    return bytes;
}

inline std::vector<char> frame (const std::string& text) { return frame (text, static_cast<std::uint32_t> (text.size() + 1)); }

// The document inside host state, up to its zero.
inline std::string documentOf (const void* state, std::size_t size)
{
    if (size <= 8)
        return {};
    const auto* text = static_cast<const char*> (state) + 8;
    return std::string (text, ::strnlen (text, size - 8));
}
} // namespace binaryxml
