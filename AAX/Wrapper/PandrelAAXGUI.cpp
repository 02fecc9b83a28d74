#include "PandrelAAXGUI.h"

#include "AAX_Errors.h"
#include "PandrelAAXEffect.h"

PandrelAAXGUI::PandrelAAXGUI() = default;

// The base's destructor cannot reach the editor: it is gone by then.
PandrelAAXGUI::~PandrelAAXGUI()
{
    closeEditor();
}

IACFUnknown* PandrelAAXGUI::create()
{
    try
    {
        auto* gui = new PandrelAAXGUI();
        gui->AddRef();
        return static_cast<AAX_IACFEffectGUI*> (gui);
    }
    catch (...)
    {
        return nullptr;
    }
}

juce::AudioProcessor* PandrelAAXGUI::processor() const
{
    auto* effect = dynamic_cast<PandrelAAXEffect*> (GetEffectParameters());
    return effect != nullptr ? &effect->getProcessor() : nullptr;
}

AAX_Result PandrelAAXGUI::GetViewSize (AAX_Point* outSize) const
{
    if (outSize == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    outSize->horz = static_cast<float> (editor != nullptr ? editor->getWidth() : defaultWidth);
    outSize->vert = static_cast<float> (editor != nullptr ? editor->getHeight() : defaultHeight);
    return AAX_SUCCESS;
}

void PandrelAAXGUI::CreateViewContainer()
{
    closeEditor();
    auto* shown = processor();
    void* window = GetViewContainerPtr();
    if (shown == nullptr || window == nullptr || GetViewContainerType() != AAX_eViewContainer_Type_X11Window)
        return;

    try
    {
        hostLoop = std::make_unique<HostDrivenMessageLoop>();

        // Without an X display JUCE cannot make a window at all.
        if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
        {
            hostLoop.reset();
            return;
        }

        editor.reset (shown->createEditorIfNeeded());
        if (editor == nullptr)
        {
            hostLoop.reset();
            return;
        }

        editor->setTopLeftPosition (0, 0);
        editor->addToDesktop (0, window);
        editor->setVisible (true);
    }
    catch (...)
    {
        closeEditor();
    }
}

// The editor goes before the reference to the effect that owns its processor.
AAX_Result PandrelAAXGUI::Uninitialize()
{
    closeEditor();
    return AAX_CEffectGUI::Uninitialize();
}

void PandrelAAXGUI::DeleteViewContainer()
{
    closeEditor();
}

void PandrelAAXGUI::closeEditor()
{
    if (hostLoop == nullptr)
        return;

    HostDrivenMessageLoop::attachToThisThread();
    editor.reset();
    hostLoop.reset();
}

AAX_Result PandrelAAXGUI::TimerWakeup()
{
    try
    {
        if (hostLoop != nullptr)
            hostLoop->processPendingEvents();
        return AAX_SUCCESS;
    }
    catch (...)
    {
        return AAX_ERROR_UNEXPECTED;
    }
}
