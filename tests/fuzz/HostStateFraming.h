#pragma once
// Host state framed as copyXmlToBinary frames it, with lying sizes, and
// whether the document guard lets it through.
#include "BinaryXml.h"
#include "FuzzKit.h"
#include "PresetDocumentGuard.h"

#include <algorithm>

namespace fuzz
{
// Host state as copyXmlToBinary frames it, its length field and the size the
// host passes sometimes lying; every size stays within the buffer, as a
// host's buffer would.
struct Framed
{
    std::vector<char> bytes;
    int size = 0;
};

inline Framed frame (const std::string& text, Mutator& m, std::string& applied)
{
    static const std::uint32_t lengths[] { 0, 1, 0xffffffff, 0x7fffffff, 0x80000000 };
    const auto length = static_cast<std::uint32_t> (text.size() + 1);
    std::uint32_t declared = length, magic = binaryxml::mark;
    int size = static_cast<int> (text.size() + 9);
    switch (m.below (12))
    {
        case 0: declared = m.pick (lengths); break;
        case 1: declared = length + static_cast<std::uint32_t> (static_cast<int> (m.below (41)) - 20); break;
        case 2: declared = static_cast<std::uint32_t> (m.random()); break;
        case 3: size = static_cast<int> (m.below (static_cast<size_t> (size) + 1)); break;
        case 4: size += static_cast<int> (m.below (64)); break;
        case 5: magic ^= 1u << m.below (32); break;
        default: break;
    }
    applied += "frame(" + std::to_string (declared) + "," + std::to_string (size) + ") ";

    Framed f { binaryxml::frame (text, declared, magic), size };
    f.bytes.resize (std::max (static_cast<size_t> (size), f.bytes.size()) + 64, '<');
    return f;
}

// Host state as a host passes it: length and size true.
inline Framed frame (const std::string& text)
{
    Framed f { binaryxml::frame (text), static_cast<int> (text.size() + 9) };
    f.bytes.resize (f.bytes.size() + 64, '<');
    return f;
}

// Whether the guard lets host state through to the parser.
inline bool guardTakes (const Framed& f)
{
    if (f.size <= 8)
        return false;
    const auto length = std::min (f.size - 8, static_cast<int> (juce::ByteOrder::littleEndianInt (f.bytes.data() + 4)));
    return length > 0 && PresetDocumentGuard::isAcceptableText (f.bytes.data() + 8, static_cast<size_t> (length));
}
} // namespace fuzz
