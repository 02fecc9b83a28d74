#pragma once

#include "FxBase.h"

#include <juce_events/juce_events.h>

#include <atomic>

// Base of a flanger model: the interface through which the processor drives
// it. The broadcaster base lets a model announce a change of its stereo mode.
class ModuleModel : public FxBase,
                    public juce::ActionBroadcaster
{
public:
    ModuleModel();
    ~ModuleModel() override;

    void process (float* buffer, int n) override;
    void process (float* left, float* right, int n) override;

    virtual void setInputsUsed (int n);
    virtual int getInputsUsed();
    virtual void setOutputsUsed (int n);
    virtual int getOutputsUsed();
    virtual bool isContainer();
    virtual void setFloorId (int id);
    virtual int getFloorId();
    virtual void setColumn (int newColumn);
    virtual int getColumn();
    virtual bool isUiNeedsUpdate();
    virtual void requestUiNeedsUpdate();
    virtual void clearUiNeedsUpdate();
    // Routes a block by the inputs used: 2 stereo, 1 mono copied to the right.
    virtual void processBlock (float* left, float* right, int n);

    // Message thread: sends "ModuleViewController arrangeModelInputsOutputs"
    // through the broadcaster if the audio thread raised it since the last
    // call. (Sending builds a string, locks and allocates, so the audio
    // thread only raises a flag.)
    void sendPendingAnnouncement();
    bool isAnnouncementPending() const noexcept;

protected:
    // Any thread: asks for the stereo-mode announcement; lock-free.
    void raiseAnnouncement() noexcept;

    bool uiNeedsUpdate = false;
    int floorId = 0;
    int column = 0;
    int inputsUsed = 1;
    int outputsUsed = 1;

private:
    std::atomic<bool> announcementPending { false };
    static_assert (std::atomic<bool>::is_always_lock_free);
};
