#include "PluginMessageLoop.h"

// JUCE's Linux message-thread classes refer to its X window system, whose
// declaration comes with the X headers.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include <juce_audio_plugin_client/utility/juce_LinuxMessageThread.h>

struct PluginMessageThread::Holder
{
    juce::SharedResourcePointer<juce::MessageThread> thread;
};

PluginMessageThread::PluginMessageThread() : holder (std::make_unique<Holder>()) {}

PluginMessageThread::~PluginMessageThread() = default;

struct HostDrivenMessageLoop::Holder
{
    juce::SharedResourcePointer<juce::HostDrivenEventLoop> loop;
};

HostDrivenMessageLoop::HostDrivenMessageLoop() : holder (std::make_unique<Holder>()) {}

HostDrivenMessageLoop::~HostDrivenMessageLoop() = default;

void HostDrivenMessageLoop::processPendingEvents()
{
    holder->loop->processPendingEvents();
}

void HostDrivenMessageLoop::attachToThisThread()
{
    juce::MessageManager::getInstance()->setCurrentThreadAsMessageThread();
}
