#include "MorvidDialogImages.h"

#include <PandrelDialogBoxBinImg.h>

namespace MorvidDialogImages
{
namespace
{
juce::Image decode (const char* data, int size)
{
    return juce::ImageFileFormat::loadFrom (data, (size_t) size);
}

#define DIALOG_IMAGE(n) decode (PandrelDialogBoxBinImg::n##_png, PandrelDialogBoxBinImg::n##_pngSize)
} // namespace

juce::Image button (int type)
{
    switch (type)
    {
        case 3:
        case 4: return DIALOG_IMAGE (cancel);
        case 5: return DIALOG_IMAGE (save);
        case 7: return DIALOG_IMAGE (import);
        case 8: return DIALOG_IMAGE (newfolder);
        case 9: return DIALOG_IMAGE (download);
        case 10: return DIALOG_IMAGE (overwrite);
        default: return DIALOG_IMAGE (ok);
    }
}

juce::Image icon (int type)
{
    switch (type)
    {
        case 2: return DIALOG_IMAGE (ok);
        case 3: return DIALOG_IMAGE (icononly_smile);
        case 4: return DIALOG_IMAGE (icononly_frown);
        default: return DIALOG_IMAGE (icononly_asterix);
    }
}

juce::Image browserTitle (int type)
{
    switch (type)
    {
        case 1: return DIALOG_IMAGE (browser_textonly_save_as);
        case 2: return DIALOG_IMAGE (browser_textonly_load);
        case 3: return DIALOG_IMAGE (browser_textonly_import);
        default: return {};
    }
}

juce::Image dialogBackground() { return DIALOG_IMAGE (dialog_box_clean); }
juce::Image browserBackground() { return DIALOG_IMAGE (file_browser_clean); }

#undef DIALOG_IMAGE
} // namespace MorvidDialogImages
