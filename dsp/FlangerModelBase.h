#pragma once

#include "ModuleModel.h"
#include "ModulatingDelayLine.h"
#include "OnePole.h"
#include "SmoothVolume.h"
#include "WavetableTriOscILP30.h"

#include <cmath>
#include <memory>

// What the three flanger models share: the ten parameters, the LFO with its
// rate and tempo sync, the two delay lines, the LFO smoothing, the level
// stage, the bypass crossfade, the block frame and the stereo announcement.
// A model adds its filter chain: the hooks below and processFlanger.
class FlangerModelBase : public ModuleModel
{
public:
    static constexpr int numParameters = 10;

    ~FlangerModelBase() override;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;
    void process (float* buffer, int n) override;
    void process (float* left, float* right, int n) override;
    void setParameter (int index, float value) override;
    void calcParameter (int index) override;
    float getDefaultParameter (int index) override;
    const char* getParameterName (int index) override;
    void setExpectedSampleFrame (int n) override;
    void forceCalcParams() override;
    void processBlock (float* left, float* right, int n) override;

    // Recomputes the LFO rate from rate, tempo division and tempo.
    void calcOsc();

    // The LFO frequency in Hz for these settings: the pot taper scaled to
    // 0..20 Hz, or one cycle per tempo division; never below 0.01 Hz nor at
    // or above half the sample rate, whatever arrives.
    static float lfoFrequency (bool syncOn, float rateValue, float rateSyncValue, float bpm, float sampleRate);
    // Length in beats of the tempo division selected by a "RateSync" value.
    static float tempoDivisionBeats (float rateSyncValue);

    float getLfoFrequency() { return lfo.getFreq(); }

protected:
    // Where the two models' parameter layouts differ.
    struct Layout
    {
        const char* name;
        int delayParameter;
        int feedbackParameter;
        float stereoDefault;
        bool announcesOnForce;
    };

    explicit FlangerModelBase (const Layout& layout);

    // Called at the end of the model's constructor, once every block exists:
    // applies the defaults and resets.
    void initialise();

    // One block in place; the model's per-sample chain.
    virtual void processFlanger (float* x, int n) = 0;
    virtual void processFlanger (float* l, float* r, int n) = 0;
    // The model's fixed settings (one-pole frequencies, trim).
    virtual void setFixedSettings() = 0;
    // The feedback section takes the Feedback pot value / recomputes.
    virtual void setFeedbackSection (float value) = 0;
    virtual void calcFeedbackSection() = 0;

    // Non-finite input would poison every filter memory and the delay line.
    static double takeInput (float sample) noexcept
    {
        const double x = sample;
        return std::isfinite (x) ? x : 0.0;
    }

    // The next LFO value for each channel, smoothed at 72 Hz. With the spread
    // off both channels read the same value; smoothBothWhenMono runs the
    // smoothing on both channels instead of copying the left result.
    void nextLfoPair (float& a, float& b, bool smoothBothWhenMono) noexcept
    {
        if (stereoOn)
        {
            lfo.getOscSignal (a, b);
            lfoSmoothing.process (a, b);
        }
        else if (smoothBothWhenMono)
        {
            lfo.getOscSignal (a);
            b = a;
            lfoSmoothing.process (a, b);
        }
        else
        {
            lfo.getOscSignal (a);
            lfoSmoothing.process (a);
            b = a;
        }
    }

    float nextLfo() noexcept
    {
        float a;
        lfo.getOscSignal (a);
        lfoSmoothing.process (a);
        return a;
    }

    WavetableTriOscILP30 lfo;
    ModulatingDelayLine leftDelayLine;
    ModulatingDelayLine rightDelayLine;
    OnePole lfoSmoothing;
    SmoothVolume level;

    bool engaged = true;
    bool prevEngaged = true;
    float rateValue = 0.0f;
    float rateSyncValue = 0.0f;
    float sweepWidth = 0.0f;
    float feedbackValue = 0.0f;
    float delayTime = 0.0f;
    float mixValue = 0.0f;
    float levelGain = 0.0f;
    bool syncOn = false;
    bool stereoOn = false;
    bool stereoAnnounced = false;
    bool stereoLastAnnounced = false;
    double feedbackMemory[2] {};
    std::unique_ptr<float[]> dryBuffer[2];
    int bypassState = 2;
    int crossfadeLength = 2048;
    float crossfadeStep = 1.0f / 2048.0f;
    float crossfadeWetGain = 1.0f;
    float crossfadeDryGain = 0.0f;

private:
    void announceStereoMode();
    void startBypassCrossfade();
    void crossfade (float* left, float* right, int n) noexcept;

    Layout layout;
    float parameterValues[numParameters] {};
};
