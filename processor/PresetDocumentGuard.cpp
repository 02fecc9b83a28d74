#include "PresetDocumentGuard.h"

#include "PresetPathText.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PresetDocumentGuard
{
namespace
{
// Follows the text the way JUCE's parser descends through it and counts the
// nesting. It knows well-formed XML only: whatever the parser would read in
// some other way (a stray quote or name, an entity that is not one of XML's
// own, a declaration) refuses the document, so the count can never fall
// behind the parser's own depth.
class Scanner
{
public:
    Scanner (const char* textToScan, size_t length) : text (textToScan), size (length) {}

    bool accepts()
    {
        int depth = 0;

        while (pos < size)
        {
            if (text[pos] == '&')
            {
                if (! skipReference())
                    return false;
            }
            else if (text[pos] != '<')
            {
                ++pos;
            }
            else if (startsWith ("<!--"))
            {
                if (! skipPast (4, "-->"))
                    return false;
            }
            else if (startsWith ("<![CDATA["))
            {
                if (! skipPast (9, "]]>"))
                    return false;
            }
            else if (startsWith ("<!"))
            {
                return false; // a DTD
            }
            else if (startsWith ("<?"))
            {
                // Inside an element, an instruction followed by text sends
                // the parser round in circles for ever ("<a><?x?>b</a>"); only
                // the prologue may hold one (the XML declaration).
                if (rootOpened || ! skipPast (2, "?>"))
                    return false;
            }
            else if (startsWith ("</"))
            {
                // The parser closes at the next ">", whatever stands before it.
                if (depth == 0 || ! skipPast (2, ">"))
                    return false;
                --depth;
            }
            else
            {
                bool opens = false;
                if (! skipOpeningTag (opens) || (opens && ++depth > maxDepth))
                    return false;
                rootOpened = true;
            }
        }

        return true;
    }

private:
    bool at (char c) const { return pos < size && text[pos] == c; }

    bool startsWith (const char* token) const
    {
        const auto n = std::strlen (token);
        return size - pos >= n && std::memcmp (text + pos, token, n) == 0;
    }

    // Moves past the first `token` after the opener of `openerLength` chars.
    bool skipPast (size_t openerLength, const char* token)
    {
        const auto n = std::strlen (token);
        for (auto i = pos + openerLength; i + n <= size; ++i)
        {
            if (std::memcmp (text + i, token, n) == 0)
            {
                pos = i + n;
                return true;
            }
        }
        return false;
    }

    void skipSpaces()
    {
        while (at (' ') || at ('\t') || at ('\n') || at ('\r'))
            ++pos;
    }

    // ASCII only, whatever the locale: the parser's own table for these.
    static bool isNameChar (char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
            || c == ':' || c == '.';
    }

    bool skipName()
    {
        const auto start = pos;
        while (pos < size && isNameChar (text[pos]))
            ++pos;
        return pos > start;
    }

    bool startsWithIgnoringCase (const char* token) const
    {
        const auto n = std::strlen (token);
        if (size - pos < n)
            return false;
        for (size_t i = 0; i < n; ++i)
            if ((text[pos + i] >= 'A' && text[pos + i] <= 'Z' ? text[pos + i] - 'A' + 'a' : text[pos + i]) != token[i])
                return false;
        return true;
    }

    // XML's five named entities and character references, nothing else: the
    // parser reads any other "&...;" as markup to parse.
    bool skipReference()
    {
        for (const char* named : { "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" })
        {
            if (startsWithIgnoringCase (named))
            {
                pos += std::strlen (named);
                return true;
            }
        }

        if (! startsWith ("&#"))
            return false;
        pos += 2;
        const bool hex = at ('x') || at ('X');
        pos += hex ? 1 : 0;
        const size_t start = pos;
        while (pos < size && (hex ? std::isxdigit (static_cast<unsigned char> (text[pos])) : std::isdigit (static_cast<unsigned char> (text[pos]))) != 0)
            ++pos;
        const auto digits = pos - start;
        if (digits == 0 || digits > (hex ? 8u : 12u) || ! at (';'))
            return false;
        ++pos;
        return true;
    }

    bool skipQuoted()
    {
        const char quote = text[pos++];
        while (pos < size)
        {
            if (text[pos] == quote)
            {
                ++pos;
                return true;
            }
            if (text[pos] != '&')
                ++pos;
            else if (! skipReference())
                return false;
        }
        return false;
    }

    // An element's start tag: a name, then name="value" pairs, then ">"
    // (`opens`: children follow) or "/>".
    bool skipOpeningTag (bool& opens)
    {
        ++pos;
        skipSpaces();
        if (! skipName())
            return false;

        for (;;)
        {
            skipSpaces();
            if (startsWith ("/>"))
            {
                pos += 2;
                opens = false;
                return true;
            }
            if (at ('>'))
            {
                ++pos;
                opens = true;
                return true;
            }
            if (! skipName())
                return false;
            skipSpaces();
            if (! at ('='))
                return false;
            ++pos;
            skipSpaces();
            if (! (at ('"') || at ('\'')) || ! skipQuoted())
                return false;
        }
    }

    const char* text;
    size_t size;
    size_t pos = 0;
    bool rootOpened = false;
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

enum class Reading
{
    read,
    refused,
    failed
};

// A device, a FIFO or a /proc file reports no size and may never end, and a
// FIFO blocks whoever opens it: only a regular file is read (opened without
// waiting, then checked), and never more of it than one byte past the limit.
Reading readRegularFile (const juce::File& file, juce::MemoryBlock& content)
{
    const int fd = ::open (file.getFullPathName().toRawUTF8(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Reading::failed;

    struct stat info {};
    if (::fstat (fd, &info) != 0 || ! S_ISREG (info.st_mode))
    {
        ::close (fd);
        return Reading::refused;
    }

    bool ok = true;
    size_t total = 0;
    content.setSize (juce::jmin (static_cast<size_t> (info.st_size), static_cast<size_t> (maxBytes)) + 1);

    while (ok && total <= static_cast<size_t> (maxBytes))
    {
        if (total == content.getSize())
            content.setSize (static_cast<size_t> (maxBytes) + 1);
        const auto got = ::read (fd, static_cast<char*> (content.getData()) + total, content.getSize() - total);
        if (got == 0)
            break;
        if (got < 0 && errno != EINTR)
            ok = false;
        total += got > 0 ? static_cast<size_t> (got) : 0;
    }

    ::close (fd);
    content.setSize (total);
    return ! ok ? Reading::failed : total <= static_cast<size_t> (maxBytes) ? Reading::read : Reading::refused;
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
    return numBytes <= static_cast<size_t> (maxBytes)
        // JUCE's decoder reads an overlong form such as C0 BC as a real "<",
        // which a scan of the bytes would not see; only strict UTF-8 has one
        // reading.
        && PresetPathText::isUtf8 ({ utf8, numBytes })
        && Scanner (utf8, numBytes).accepts();
}

// The String's own bytes are what the parser reads.
bool isAcceptableText (const juce::String& text)
{
    const char* utf8 = text.toRawUTF8();
    return isAcceptableText (utf8, std::strlen (utf8));
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
    bool unreadable = false;
    return parseFile (file, unreadable);
}

std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file, bool& unreadable)
{
    juce::MemoryBlock content;
    const auto reading = readRegularFile (file, content);
    unreadable = reading == Reading::failed;
    if (reading != Reading::read)
        return {};
    // Decoded as File::loadFileAsString decodes (byte order marks included).
    return parseText (juce::String::createStringFromData (content.getData(), static_cast<int> (content.getSize())));
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
