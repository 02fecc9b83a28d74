#include "Vst2MessageLoop.h"

// JUCE's Linux message-thread classes refer to its X window system, whose
// declaration comes with the X headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

struct Vst2MessageThread::Holder
{
    juce::SharedResourcePointer<juce::MessageThread> thread;
};

Vst2MessageThread::Vst2MessageThread() : holder (std::make_unique<Holder>()) {}

Vst2MessageThread::~Vst2MessageThread() = default;

struct Vst2HostDrivenLoop::Holder
{
    juce::SharedResourcePointer<juce::HostDrivenEventLoop> loop;
};

Vst2HostDrivenLoop::Vst2HostDrivenLoop() : holder (std::make_unique<Holder>()) {}

Vst2HostDrivenLoop::~Vst2HostDrivenLoop() = default;

void Vst2HostDrivenLoop::processPendingEvents()
{
    holder->loop->processPendingEvents();
}

void Vst2HostDrivenLoop::attachToThisThread()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}
