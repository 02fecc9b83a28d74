#include "PresetDocumentGuard.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cstring>

namespace PresetDocumentGuard
{
namespace
{
class Scanner
{
public:
    Scanner (const char* textToScan, size_t length) : text (textToScan), size (length) {}

    // Counts element nesting the way the parser descends: every "<" that
    // opens a tag is one level down until its close tag or "/>". Comments,
    // CDATA and processing instructions are skipped; any other "<!" is a
    // DTD or declaration and refuses the document.
    bool accepts()
    {
        int depth = 0;

        while (pos < size)
        {
            if (text[pos] != '<')
            {
                ++pos;
                continue;
            }

            if (startsWith ("<!--"))
            {
                if (! skipPast ("-->"))
                    return true; // the parser stops at an unterminated comment
            }
            else if (startsWith ("<![CDATA["))
            {
                if (! skipPast ("]]>"))
                    return true;
            }
            else if (startsWith ("<!"))
            {
                return false;
            }
            else if (startsWith ("<?"))
            {
                if (! skipPast ("?>"))
                    return true;
            }
            else if (startsWith ("</"))
            {
                depth = depth > 0 ? depth - 1 : 0;
                skipTag();
            }
            else
            {
                if (++depth > maxDepth)
                    return false;
                if (skipTag())
                    --depth;
            }
        }

        return true;
    }

private:
    bool startsWith (const char* token) const
    {
        const auto n = std::strlen (token);
        return size - pos >= n && std::memcmp (text + pos, token, n) == 0;
    }

    bool skipPast (const char* token)
    {
        const auto n = std::strlen (token);
        for (auto i = pos + 1; i + n <= size; ++i)
        {
            if (std::memcmp (text + i, token, n) == 0)
            {
                pos = i + n;
                return true;
            }
        }
        pos = size;
        return false;
    }

    // Moves past the tag's closing ">", stepping over quoted attribute
    // values; true when the tag closes itself ("/>").
    bool skipTag()
    {
        char quote = 0;
        for (++pos; pos < size; ++pos)
        {
            const char c = text[pos];
            if (quote != 0)
            {
                if (c == quote)
                    quote = 0;
            }
            else if (c == '"' || c == '\'')
            {
                quote = c;
            }
            else if (c == '>')
            {
                ++pos;
                return text[pos - 2] == '/';
            }
        }
        return false;
    }

    const char* text;
    size_t size;
    size_t pos = 0;
};

bool treeWithinDepth (const juce::XmlElement& element, int level)
{
    if (level > maxDepth)
        return false;

    for (auto* child = element.getFirstChildElement(); child != nullptr; child = child->getNextElement())
        if (! child->isTextElement() && ! treeWithinDepth (*child, level + 1))
            return false;

    return true;
}

// The parser stops at a zero byte; so does the check.
size_t lengthUpToZero (const char* utf8, size_t numBytes)
{
    const auto* zero = static_cast<const char*> (std::memchr (utf8, 0, numBytes));
    return zero != nullptr ? static_cast<size_t> (zero - utf8) : numBytes;
}
} // namespace

bool isAcceptableText (const char* utf8, size_t numBytes)
{
    if (utf8 == nullptr)
        return true;
    numBytes = lengthUpToZero (utf8, numBytes);
    return numBytes <= static_cast<size_t> (maxBytes) && Scanner (utf8, numBytes).accepts();
}

bool isAcceptableText (const juce::String& text)
{
    return isAcceptableText (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

bool isAcceptableTree (const juce::XmlElement& root) { return treeWithinDepth (root, 1); }

std::unique_ptr<juce::XmlElement> parseText (const juce::String& text)
{
    if (! isAcceptableText (text))
        return {};
    return juce::parseXML (text);
}

std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file)
{
    if (! file.existsAsFile() || file.getSize() > maxBytes)
        return {};
    return parseText (file.loadFileAsString());
}

std::unique_ptr<juce::XmlElement> parseHostState (const void* data, int sizeInBytes)
{
    // The text is found exactly as getXmlFromBinary finds it: a magic number,
    // a length, then UTF-8.
    if (data == nullptr || sizeInBytes <= 8)
        return {};

    const auto declaredLength = static_cast<int> (juce::ByteOrder::littleEndianInt (juce::addBytesToPointer (data, 4)));
    const auto length = juce::jmin (sizeInBytes - 8, declaredLength);

    if (length > 0 && ! isAcceptableText (static_cast<const char*> (data) + 8, static_cast<size_t> (length)))
        return {};

    return juce::AudioProcessor::getXmlFromBinary (data, sizeInBytes);
}
} // namespace PresetDocumentGuard
