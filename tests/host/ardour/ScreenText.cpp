#include "ScreenText.h"

namespace
{
constexpr const char* reader = "/usr/bin/tesseract";
constexpr int scale = 4, border = 16;

// Black text on white, larger: light text (ardour's widgets, and its
// highlighted entry) is turned over.
juce::Image prepared (const juce::Image& capture, bool darkText)
{
    juce::Image grey (juce::Image::RGB, capture.getWidth(), capture.getHeight(), false);
    for (int y = 0; y < capture.getHeight(); ++y)
        for (int x = 0; x < capture.getWidth(); ++x)
        {
            const auto c = capture.getPixelAt (x, y);
            // Text is grey to white; a coloured ground (a highlighted
            // entry) is low in one channel at least.
            const int lightness = juce::jmin (c.getRed(), c.getGreen(), c.getBlue());
            const int level = darkText ? lightness : 255 - lightness;
            // Stretched: text black, every ground (frames and bevels too)
            // white.
            const auto stretched = (juce::uint8) juce::jlimit (0, 255, (level - 40) * 255 / 100);
            grey.setPixelAt (x, y, juce::Colour (stretched, stretched, stretched));
        }
    // With a white border: text that touches the edge is read badly.
    const auto larger = grey.rescaled (grey.getWidth() * scale, grey.getHeight() * scale, juce::Graphics::highResamplingQuality);
    juce::Image framed (juce::Image::RGB, larger.getWidth() + 2 * border, larger.getHeight() + 2 * border, false);
    juce::Graphics g (framed);
    g.fillAll (juce::Colours::white);
    g.drawImageAt (larger, border, border);
    return framed;
}
} // namespace

bool ScreenText::isInstalled (juce::String& problem)
{
    if (juce::File (reader).existsAsFile())
        return true;
    problem = juce::String (reader) + " is missing (scripts/setup-debian.sh installs it)";
    return false;
}

juce::StringArray ScreenText::read (const juce::Image& capture, bool oneLine, bool darkText)
{
    const juce::TemporaryFile picture (".png");
    {
        juce::FileOutputStream stream (picture.getFile());
        if (! stream.openedOk() || ! juce::PNGImageFormat().writeImageToStream (prepared (capture, darkText), stream))
            return {};
    }

    juce::ChildProcess process;
    if (! process.start (juce::StringArray { reader, picture.getFile().getFullPathName(), "stdout", "--psm", oneLine ? "7" : "6" },
                         juce::ChildProcess::wantStdOut))
        return {};
    // Its few lines fit the pipe: read once it has ended.
    if (! process.waitForProcessToFinish (10000))
    {
        process.kill();
        return {};
    }
    const auto output = process.readAllProcessOutput();

    juce::StringArray lines;
    lines.addLines (output);
    lines.trim();
    lines.removeEmptyStrings();
    return lines;
}

bool ScreenText::says (const juce::String& read, const juce::String& text)
{
    return read.replaceCharacter ('O', '0').contains (text.replaceCharacter ('O', '0'));
}

bool ScreenText::same (const juce::String& read, const juce::String& text)
{
    return read.replaceCharacter ('O', '0') == text.replaceCharacter ('O', '0');
}
