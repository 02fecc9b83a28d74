#include "PresetPathText.h"

#include <cstring>

namespace PresetPathText
{
namespace
{
constexpr char hexDigits[] = "0123456789ABCDEF";

int hexValue (char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

const unsigned char* unsignedBytes (std::string_view bytes) { return reinterpret_cast<const unsigned char*> (bytes.data()); }
} // namespace

std::string_view bytesOf (const juce::String& text)
{
    const char* raw = text.toRawUTF8();
    return { raw, std::strlen (raw) };
}

juce::String fromBytes (std::string_view bytes)
{
    // Copied as they are: a String made from one pointer sizes its copy by
    // decoding, and stops short at a byte it decodes as zero (0x80 alone).
    return bytes.empty() ? juce::String()
                         : juce::String (juce::CharPointer_UTF8 (bytes.data()),
                                         juce::CharPointer_UTF8 (bytes.data() + bytes.size()));
}

size_t utf8SequenceLength (const unsigned char* s, size_t size)
{
    if (size == 0)
        return 0;

    const unsigned lead = s[0];
    if (lead < 0x80)
        return 1;

    size_t extra = 3;
    unsigned low = 0x80, high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf)
        extra = 1;
    else if (lead >= 0xe0 && lead <= 0xef)
        extra = 2;
    else if (lead > 0xf4 || lead < 0xf0)
        return 0;

    if (lead == 0xe0)
        low = 0xa0; // overlong
    else if (lead == 0xed)
        high = 0x9f; // surrogates
    else if (lead == 0xf0)
        low = 0x90; // overlong
    else if (lead == 0xf4)
        high = 0x8f; // above U+10FFFF

    if (size <= extra || s[1] < low || s[1] > high)
        return 0;
    for (size_t k = 2; k <= extra; ++k)
        if ((s[k] & 0xc0) != 0x80)
            return 0;
    return extra + 1;
}

bool isUtf8 (std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();)
    {
        const auto n = utf8SequenceLength (unsignedBytes (bytes) + i, bytes.size() - i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

juce::String readable (std::string_view bytes)
{
    std::string text;
    text.reserve (bytes.size());

    for (size_t i = 0; i < bytes.size();)
    {
        if (const auto n = utf8SequenceLength (unsignedBytes (bytes) + i, bytes.size() - i); n > 0)
        {
            text.append (bytes.substr (i, n));
            i += n;
        }
        else
        {
            text.append ("\xef\xbf\xbd"); // U+FFFD
            ++i;
        }
    }

    return juce::String::fromUTF8 (text.data(), static_cast<int> (text.size()));
}

juce::String nameToShow (const juce::String& path, bool withoutExtension)
{
    auto name = bytesOf (path);
    name.remove_prefix (name.rfind ('/') + 1); // npos + 1 == 0

    if (const auto dot = name.rfind ('.'); withoutExtension && dot != std::string_view::npos && dot > 0)
        name = name.substr (0, dot);

    return readable (name);
}

juce::String escaped (std::string_view bytes)
{
    std::string text;
    text.reserve (bytes.size());

    for (size_t i = 0; i < bytes.size();)
    {
        const auto n = bytes[i] == '%' ? 0 : utf8SequenceLength (unsignedBytes (bytes) + i, bytes.size() - i);
        if (n > 0)
        {
            text.append (bytes.substr (i, n));
            i += n;
            continue;
        }

        const auto byte = static_cast<unsigned char> (bytes[i++]);
        text += '%';
        text += hexDigits[byte >> 4];
        text += hexDigits[byte & 0x0f];
    }

    return fromBytes (text);
}

std::optional<std::string> unescaped (std::string_view text)
{
    std::string bytes;
    bytes.reserve (text.size());

    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '%')
        {
            bytes += text[i];
            continue;
        }

        const int high = i + 2 < text.size() ? hexValue (text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue (text[i + 2]) : -1;
        if (low < 0 || (high == 0 && low == 0))
            return std::nullopt;

        bytes += static_cast<char> ((high << 4) | low);
        i += 2;
    }

    return bytes;
}
} // namespace PresetPathText
