#include "PandrelTQ4418AudioProcessor.h"

#include "PresetDocument.h"
#include "PresetDocumentGuard.h"
#include "PresetValueText.h"

#include <cmath>

namespace
{
bool isPresetRoot (const juce::XmlElement& root) { return root.hasTagName (PresetDocument::rootTag); }

bool hasChildren (const juce::XmlElement& element) { return element.getFirstChildElement() != nullptr; }

// Documents may carry any number; the table has two slots.
int clampedSlot (int channel) { return juce::jlimit (0, ProgramTable::numSlots - 1, channel); }
} // namespace

int PandrelTQ4418AudioProcessor::readPreset (std::unique_ptr<juce::XmlElement> doc, bool isPreset)
{
    if (doc == nullptr || ! PresetDocumentGuard::isAcceptableTree (*doc))
        return 0;

    if (isPreset)
    {
        if (! isPresetRoot (*doc) || ! hasChildren (*doc))
            return 0;

        auto* properties = doc->getChildByName (PresetDocument::propertiesTag);
        if (properties == nullptr)
            return 0;
        if (PresetDocument::attributeAt (*properties, 0) != PresetDocument::productId)
            return 2;

        readPresetElement (properties->getFirstChildElement());
        return PresetValueText::number (PresetDocument::attributeAt (*properties, 2)) > 1.0 ? 4 : 1;
    }

    if (! isPresetRoot (*doc) || ! hasChildren (*doc))
        return 5;

    for (auto* element = doc->getFirstChildElement(); element != nullptr; element = element->getNextElement())
    {
        int selectedProgram = 0;
        int selectedSlot = 0;

        if (element->hasTagName (PresetDocument::propertiesTag))
        {
            const int activePreset = PresetDocument::intAttributeAt (*element, 3);
            int p = 0;

            // Presets beyond the table's twelve, and channels beyond two, are skipped.
            for (auto* preset = element->getFirstChildElement(); preset != nullptr && ProgramTable::isProgram (p);
                 preset = preset->getNextElement(), ++p)
            {
                const int activeChannel = PresetDocument::intAttributeAt (*preset, 1);
                programs[p].activeChannel = clampedSlot (activeChannel);

                int c = 0;
                for (auto* channel = preset->getFirstChildElement(); channel != nullptr && ProgramTable::isSlot (c);
                     channel = channel->getNextElement(), ++c)
                {
                    programs[p].name[c] = PresetDocument::presetPathOf (*channel);
                    storePresetElement (channel->getFirstChildElement(), p, c);

                    if (activePreset == p && activeChannel == c)
                    {
                        selectedProgram = p;
                        selectedSlot = c;
                    }
                }
            }
        }

        currentProgram = selectedProgram;
        programs[selectedProgram].activeChannel = selectedSlot;
        setCurrentProgram (selectedProgram);
    }

    return 5;
}

bool PandrelTQ4418AudioProcessor::readCurrentProgram (std::unique_ptr<juce::XmlElement> doc)
{
    if (doc == nullptr || ! PresetDocumentGuard::isAcceptableTree (*doc) || ! isPresetRoot (*doc))
        return false;

    auto& program = currentRecord();
    const int programIndex = static_cast<int> (&program - programs);

    for (auto* element = doc->getFirstChildElement(); element != nullptr; element = element->getNextElement())
    {
        if (element->hasTagName (PresetDocument::propertiesTag))
        {
            program.activeChannel = clampedSlot (PresetDocument::intAttributeAt (*element, 3));

            int c = 0;
            for (auto* channel = element->getFirstChildElement(); channel != nullptr && ProgramTable::isSlot (c);
                 channel = channel->getNextElement(), ++c)
            {
                program.name[c] = PresetDocument::presetPathOf (*channel);
                storePresetElement (channel->getFirstChildElement(), programIndex, c);
            }
        }

        setCurrentProgram (programIndex);
    }

    return true;
}

void PandrelTQ4418AudioProcessor::readPresetElement (juce::XmlElement* first)
{
    for (auto* value = first; value != nullptr; value = value->getNextElement())
        if (const int i = PresetDocument::parameterIndexOf (*value); i >= 0)
            setParameterNotifyingHost (i, PresetDocument::decodedValue (i, *value));
}

void PandrelTQ4418AudioProcessor::storePresetElement (juce::XmlElement* first, int program, int slot)
{
    if (! ProgramTable::isProgram (program) || ! ProgramTable::isSlot (slot))
        return;

    for (auto* value = first; value != nullptr; value = value->getNextElement())
        if (const int i = PresetDocument::parameterIndexOf (*value); i >= 0)
            programs[program].values[slot][i] = PresetDocument::decodedValue (i, *value);
}

bool PandrelTQ4418AudioProcessor::comparePreset (std::unique_ptr<juce::XmlElement> doc)
{
    if (doc == nullptr || ! PresetDocumentGuard::isAcceptableTree (*doc) || ! isPresetRoot (*doc))
        return false;

    for (auto* properties = doc->getFirstChildElement(); properties != nullptr; properties = properties->getNextElement())
    {
        if (! properties->hasTagName (PresetDocument::propertiesTag))
            continue;

        for (auto* value = properties->getFirstChildElement(); value != nullptr; value = value->getNextElement())
        {
            const int i = PresetDocument::parameterIndexOf (*value);
            if (i < 0)
                continue;

            float current = getParameter (i);
            const float stored = PresetValueText::decode (i, value->getAllSubText());

            // Stepped parameters differ only when they select another model
            // or tempo division: the editor's 1/18.1 steps read back from a
            // file as k/18 and must not count as a change.
            if (i == ParameterTable::flangerType)
            {
                if (ParameterTable::modelIndexFor (current) != ParameterTable::modelIndexFor (stored))
                    return true;
                continue;
            }
            if (i == ParameterTable::rateSync)
            {
                if (ParameterTable::tempoDivisionFor (current) != ParameterTable::tempoDivisionFor (stored))
                    return true;
                continue;
            }

            if (ParameterTable::isSwitch (i) && current > 0.0f)
                current = 1.0f;

            // The file's value as written, so that a freshly saved file
            // compares equal whatever a host stored.
            if (std::abs (current - stored) >= 1e-5f)
                return true;
        }
    }

    return false;
}
