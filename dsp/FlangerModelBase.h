#pragma once

#include "ModuleModel.h"
#include "ModulatingDelayLine.h"
#include "OnePole.h"
#include "SmoothVolume.h"
#include "StereoPair.h"
#include "WavetableTriOscILP30.h"

#include <cmath>
#include <memory>
#include <type_traits>

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

    // A block runs in chunks, stage by stage (LFO, feedback loop, output),
    // so that each stage keeps its state in registers through a chunk. Every
    // block still sees its samples in order, so the result does not depend
    // on the chunk size.
    static constexpr int chunkSize = 64;

    // Sample is double for mono (the left channel's state) or StereoPair.
    template <typename Sample>
    static constexpr bool isStereo = std::is_same_v<Sample, StereoPair>;

    // Non-finite input would poison every filter memory and the delay line.
    static double takeInput (float sample) noexcept
    {
        const double x = sample;
        return std::isfinite (x) ? x : 0.0;
    }

    struct MonoIo
    {
        float* x;

        double input (int k) const noexcept { return takeInput (x[k]); }
        void output (int k, double y, float gain) const noexcept { x[k] = static_cast<float> (y) * gain; }
    };

    struct StereoIo
    {
        float* l;
        float* r;

        StereoPair input (int k) const noexcept { return StereoPair { takeInput (l[k]), takeInput (r[k]) }; }

        // Both lanes narrowed and scaled at once.
        void output (int k, StereoPair y, float gain) const noexcept
        {
            using FourFloats = float __attribute__ ((vector_size (16)));
            using FourDoubles = double __attribute__ ((vector_size (32)));
            const FourFloats out = __builtin_convertvector (FourDoubles { y[0], y[1], 0.0, 0.0 }, FourFloats) * gain;
            l[k] = out[0];
            r[k] = out[1];
        }
    };

    // Where each sample of a chunk writes and reads, per delay line.
    struct DelayTaps
    {
        ModulatingDelayLine::Tap left[chunkSize];
        ModulatingDelayLine::Tap right[chunkSize];
    };

    // The LFO for a chunk, smoothed at 72 Hz, and the delay taps it gives.
    // With the spread on the right line reads the antiphase value. With it
    // off both lines read the same value; smoothBothWhenMono runs the
    // smoothing on both channels, otherwise the left result is copied.
    template <typename Sample, bool smoothBothWhenMono>
    void planDelays (DelayTaps& taps, int count) noexcept
    {
        float left[chunkSize];
        float right[chunkSize];
        float a, b;
        if constexpr (! isStereo<Sample>)
        {
            for (int k = 0; k < count; ++k)
            {
                lfo.getOscSignal (a);
                lfoSmoothing.process (a);
                left[k] = a;
            }
        }
        else if (stereoOn)
        {
            for (int k = 0; k < count; ++k)
            {
                lfo.getOscSignal (a, b);
                lfoSmoothing.process (a, b);
                left[k] = a;
                right[k] = b;
            }
        }
        else
        {
            for (int k = 0; k < count; ++k)
            {
                lfo.getOscSignal (a);
                if constexpr (smoothBothWhenMono)
                {
                    b = a;
                    lfoSmoothing.process (a, b);
                }
                else
                {
                    lfoSmoothing.process (a);
                    b = a;
                }
                left[k] = a;
                right[k] = b;
            }
        }

        leftDelayLine.planTaps (left, taps.left, count);
        if constexpr (isStereo<Sample>)
            rightDelayLine.planTaps (right, taps.right, count);
    }

    // The delay line of each channel, at sample k of the chunk.
    template <typename Sample>
    void delay (Sample& s, const DelayTaps& taps, int k) noexcept
    {
        if constexpr (isStereo<Sample>)
        {
            double l = s[0];
            double r = s[1];
            leftDelayLine.process (l, taps.left[k]);
            rightDelayLine.process (r, taps.right[k]);
            s = StereoPair { l, r };
        }
        else
        {
            leftDelayLine.process (s, taps.left[k]);
        }
    }

    template <typename Sample>
    Sample loadFeedback() const noexcept
    {
        if constexpr (isStereo<Sample>)
            return StereoPair { feedbackMemory[0], feedbackMemory[1] };
        else
            return feedbackMemory[0];
    }

    template <typename Sample>
    void storeFeedback (Sample fb) noexcept
    {
        if constexpr (isStereo<Sample>)
        {
            feedbackMemory[0] = fb[0];
            feedbackMemory[1] = fb[1];
        }
        else
        {
            feedbackMemory[0] = fb;
        }
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
