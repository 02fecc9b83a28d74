#pragma once

#include "ModuleModel.h"
#include "ModulatingDelayLine.h"
#include "OnePole.h"
#include "SmoothVolume.h"
#include "StereoPair.h"
#include "WavetableTriOscILP30.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
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

    // The ten parameters by index; "Delay" and "Feedback" take 4 and 5 in an
    // order each model gives (delayParameter(), feedbackParameter()).
    enum Parameter
    {
        bypassParameter = 0,
        rateParameter = 1,
        rateSyncParameter = 2,
        depthParameter = 3,
        mixParameter = 6,
        levelParameter = 7,
        stereoParameter = 8,
        syncParameter = 9
    };

    // 4 and 5 in the two Mistress models; Flanger117 numbers them the other
    // way round.
    int delayParameter() const noexcept { return layout.feedbackFirst ? 5 : 4; }
    int feedbackParameter() const noexcept { return layout.feedbackFirst ? 4 : 5; }

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
    // Where the models' parameter layouts differ.
    struct Layout
    {
        const char* name;
        float stereoDefault;
        bool announcesOnForce;
        // "Feedback" at 4 and "Delay" at 5.
        bool feedbackFirst;
    };

    explicit FlangerModelBase (const Layout& layout);

    // Called at the end of the model's constructor, once every block exists:
    // takes the model's own blocks (filter sections, non-linear stages,
    // one-poles), in member order, applies the defaults and resets. The base
    // hands them the sample rate, resets them and recalculates them.
    void initialise (std::initializer_list<DspBase*> modelBlocks);

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
    static constexpr int chunkSize = ModulatingDelayLine::maxTaps;

    // Sample is double for mono (the left channel's state) or StereoPair.
    template <typename Sample>
    static constexpr bool isStereo = std::is_same_v<Sample, StereoPair>;

    // The mix gains, read once per block.
    struct Mix
    {
        double wet;
        double dry;
    };

    // A block without memory through its packed form, also for one channel:
    // the packed form selects where the scalar one branches, and with a loud
    // signal those branches go either way at random. Each lane computes what
    // the scalar form computes.
    template <typename Block, typename Sample>
    static void processSelecting (Block& block, Sample& x) noexcept
    {
        if constexpr (isStereo<Sample>)
        {
            block.process (x);
        }
        else
        {
            StereoPair pair { x, x };
            block.process (pair);
            x = pair[0];
        }
    }

    // Non-finite input would poison every filter memory and the delay line.
    static double takeInput (float sample) noexcept
    {
        const double x = sample;
        return std::isfinite (x) ? x : 0.0;
    }

    struct MonoIo
    {
        using Sample = double;
        float* x;

        double input (int k) const noexcept { return takeInput (x[k]); }
        void output (int k, double y, float gain) const noexcept { x[k] = static_cast<float> (y) * gain; }
    };

    struct StereoIo
    {
        using Sample = StereoPair;
        float* l;
        float* r;

        StereoPair input (int k) const noexcept { return StereoPairs::finiteOrZero (StereoPair { l[k], r[k] }); }

        // Both lanes narrowed and scaled at once.
        void output (int k, StereoPair y, float gain) const noexcept
        {
            const StereoPairs::FourFloats out = StereoPairs::toFloats (y) * gain;
            l[k] = out[0];
            r[k] = out[1];
        }
    };

    // Where each sample of a chunk writes and reads, per delay line.
    struct DelayTaps
    {
        ModulatingDelayLine::Taps left;
        ModulatingDelayLine::Taps right;
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
        writeDelay (s, taps, k);
        s = readDelay<Sample> (taps, k);
    }

    template <typename Sample>
    void writeDelay (Sample s, const DelayTaps& taps, int k) noexcept
    {
        if constexpr (isStereo<Sample>)
        {
            leftDelayLine.write (s[0], taps.left, k);
            rightDelayLine.write (s[1], taps.right, k);
        }
        else
        {
            leftDelayLine.write (s, taps.left, k);
        }
    }

    template <typename Sample>
    Sample readDelay (const DelayTaps& taps, int k) const noexcept
    {
        if constexpr (isStereo<Sample>)
            return StereoPair { leftDelayLine.read (taps.left, k), rightDelayLine.read (taps.right, k) };
        else
            return leftDelayLine.read (taps.left, k);
    }

    // The skeleton of every model's chain. Per chunk: the LFO and the delay
    // taps, then per sample the input stage, the feedback loop around the
    // delay lines, the output stage, the level and the output gain. The model
    // (which befriends this base) fills in its stages:
    //   static constexpr bool smoothBothWhenMono: see planDelays;
    //   static constexpr bool feedbackFromMix: the feedback passes through
    //     the whole chain, so each sample waits on the one before from start
    //     to end; the chunk then runs in one loop, where the output stage
    //     overlaps the next samples, instead of stage by stage;
    //   static constexpr float outputGain;
    //   void takeIn (Sample& x): the input stage;
    //   Sample intoDelay (Sample feedback, Sample& in): what the delay takes,
    //     but for a last stage without memory, shapeIntoDelay (Sample&), which
    //     a split run takes in a loop of its own;
    //   Sample outOfDelay (Sample delayed, Sample in, const Mix&, Sample& wet):
    //     the feedback for the next sample; wet is what the output stage takes;
    //   Sample mixOut (Sample wet, Sample in, const Mix&): the output stage
    //     before the level.
    // Every part is forced inline. Left to itself GCC keeps this template out
    // of line (a template function is never a "called once" candidate), and
    // there the model and this base are two unrelated pointers to the same
    // object: a store through either forces reloads through the other.
    template <typename Model, typename Io>
    [[gnu::always_inline]] inline void runChain (Model& model, Io io, int n) noexcept
    {
        using Sample = typename Io::Sample;
        const Mix mix = blockMix();
        Sample fb = loadFeedback<Sample>();
        DelayTaps taps;

        for (int start = 0; start < n; start += chunkSize)
        {
            const int count = std::min (chunkSize, n - start);
            planDelays<Sample, Model::smoothBothWhenMono> (taps, count);

            if constexpr (Model::feedbackFromMix)
            {
                for (int k = 0; k < count; ++k)
                {
                    Sample x = io.input (start + k);
                    model.takeIn (x);
                    Sample s = model.intoDelay (fb, x);
                    model.shapeIntoDelay (s);
                    delay (s, taps, k);
                    Sample w;
                    fb = model.outOfDelay (s, x, mix, w);
                    putOut (model, io, start + k, w, x, mix);
                }
            }
            else
            {
                feedbackRuns (model, io, start, taps, count, mix, fb);
            }
        }

        storeFeedback (fb);
    }

    // The output stage, the level and the output gain for one sample.
    template <typename Model, typename Io, typename Sample>
    [[gnu::always_inline]] inline void putOut (Model& model, Io io, int index, Sample wet, Sample in, const Mix& mix) noexcept
    {
        Sample y = model.mixOut (wet, in, mix);
        level.process (y);
        io.output (index, y, Model::outputGain);
    }

    // A chunk stage by stage, by runs. Samples whose reads touch the slot
    // they write themselves go one by one: input, into the delay, write,
    // read, out of it, output. Every other run reads before it writes, as its
    // reads touch only slots written before the run: its loop out of the
    // delay (with the input stage) then does not wait on the one into it
    // (with the output stage, whose own recursion overlaps the latter's).
    // Every block still sees its samples in order.
    template <typename Model, typename Io, typename Sample>
    [[gnu::always_inline]] inline void feedbackRuns (Model& model, Io io, int offset, const DelayTaps& taps, int count, const Mix& mix, Sample& fb) noexcept
    {
        int ages[chunkSize];
        leftDelayLine.readAges (taps.left, count, ages);
        if constexpr (isStereo<Sample>)
        {
            int right[chunkSize];
            rightDelayLine.readAges (taps.right, count, right);
            for (int k = 0; k < count; ++k)
                ages[k] = std::min (ages[k], right[k]);
        }

        for (int start = 0; start < count;)
        {
            int end = start + 1;
            if (ages[start] == 0)
            {
                while (end < count && ages[end] == 0)
                    ++end;
                serialRun (model, io, offset, taps, start, end, mix, fb);
            }
            else
            {
                // The run ends where a read reaches a slot written within it.
                while (end < count && ages[end] > end - start)
                    ++end;
                splitRun (model, io, offset, taps, start, end, mix, fb);
            }
            start = end;
        }
    }

    template <typename Model, typename Io, typename Sample>
    [[gnu::always_inline]] inline void serialRun (Model& model, Io io, int offset, const DelayTaps& taps, int from, int to, const Mix& mix, Sample& fb) noexcept
    {
        Sample feedback = fb; // a local keeps it in a register
        for (int k = from; k < to; ++k)
        {
            Sample x = io.input (offset + k);
            model.takeIn (x);
            Sample s = model.intoDelay (feedback, x);
            model.shapeIntoDelay (s);
            delay (s, taps, k);
            Sample wet;
            feedback = model.outOfDelay (s, x, mix, wet);
            putOut (model, io, offset + k, wet, x, mix);
        }
        fb = feedback;
    }

    template <typename Model, typename Io, typename Sample>
    [[gnu::always_inline]] inline void splitRun (Model& model, Io io, int offset, const DelayTaps& taps, int from, int to, const Mix& mix, Sample& fb) noexcept
    {
        // The delay buffer is read and written in loops of their own: as far
        // as the compiler knows, a store into it could reach any filter's
        // memory, which would then go back to memory on every sample.
        Sample delayed[chunkSize];
        for (int k = from; k < to; ++k)
            delayed[k] = readDelay<Sample> (taps, k);

        Sample input[chunkSize];
        Sample feedbackAfter[chunkSize];
        Sample wet[chunkSize];
        for (int k = from; k < to; ++k)
        {
            input[k] = io.input (offset + k);
            model.takeIn (input[k]);
            feedbackAfter[k] = model.outOfDelay (delayed[k], input[k], mix, wet[k]);
        }

        Sample toDelay[chunkSize];
        Sample feedback = fb;
        for (int k = from; k < to; ++k)
        {
            toDelay[k] = model.intoDelay (feedback, input[k]);
            feedback = feedbackAfter[k];
            putOut (model, io, offset + k, wet[k], input[k], mix);
        }
        fb = feedback;

        for (int k = from; k < to; ++k)
        {
            model.shapeIntoDelay (toDelay[k]);
            writeDelay (toDelay[k], taps, k);
        }
    }

    Mix blockMix() const noexcept { return { static_cast<double> (mixValue), static_cast<double> (1.0f - mixValue) }; }

    // The feedback signal carried over from the last block.
    template <typename Sample>
    Sample loadFeedback() const noexcept
    {
        return lanesOf<Sample> (StereoPair { feedbackMemory[0], feedbackMemory[1] });
    }

    template <typename Sample>
    void storeFeedback (Sample fb) noexcept
    {
        StereoPair memory { feedbackMemory[0], feedbackMemory[1] };
        storeLanes (memory, fb);
        feedbackMemory[0] = memory[0];
        feedbackMemory[1] = memory[1];
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
    // A block in place, mono when right is null.
    void processInPlace (float* left, float* right, int n);
    void crossfade (float* left, float* right, int n) noexcept;

    Layout layout;
    float parameterValues[numParameters] {};
    std::array<DspBase*, 8> blocks {};
    size_t numBlocks = 0;
};
