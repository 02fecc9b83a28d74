#pragma once

#include "DspBase.h"

#include <memory>

// Ring buffer of doubles read (delay + sweep * lfo) ms behind the write
// position, linearly interpolated. Delay and sweep glide linearly to new
// settings so that turning Delay or Depth never jumps.
class ModulatingDelayLine final : public DspBase
{
public:
    ModulatingDelayLine();
    ~ModulatingDelayLine() override;

    // Reallocates the buffer (610 ms at the new rate, zeroed).
    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void calc() override;

    void setDelay (float ms);
    void setSweepWidth (float ms);
    void calcDelay();
    void calcSweepWidth();
    // Jumps to both targets and clears the buffer.
    void forceCalcParams();

    int getBufferLength() const noexcept { return bufferLength; }
    int getDelayGlideLength() const noexcept { return delayGlideLength; }
    int getSweepGlideLength() const noexcept { return sweepGlideLength; }
    int getWriteIndex() const noexcept { return writeIndex; }
    float getDelay() const noexcept { return delayTarget; }
    float getSweepWidth() const noexcept { return sweepTarget; }

    // Where one sample writes and reads: the slot it is written to, and the
    // slot read with weight 1 - frac (the next one, wrapping, with frac).
    struct Tap
    {
        int write;
        int index;
        float frac;
    };

    // Writes x and replaces it by the delayed sample; lfo (0..1) scales the
    // sweep. Without a buffer the sample passes unchanged.
    void process (double& x, float& lfo) noexcept
    {
        Tap tap;
        planTaps (&lfo, &tap, 1);
        process (x, tap);
    }

    // The read positions depend on the LFO and the glides, never on the
    // signal: a caller can work them out for a run of samples first (lfo and
    // taps hold count values) and then pass each sample with its tap, in
    // order.
    void planTaps (const float* lfo, Tap* taps, int count) noexcept
    {
        if (buffer == nullptr)
            return;

        // Local copies: the stores to taps could otherwise alias the members.
        int w = writeIndex;
        float delayNow = delayCurrent;
        float sweepNow = sweepCurrent;
        int delayDone = delayCounter;
        int sweepDone = sweepCounter;
        const float length = static_cast<float> (bufferLength);
        const float rate = sampleRate;

        auto plan = [&] (int k, float delayMs, float sweepMs) {
            float r = ((sweepMs * lfo[k] + delayMs) * (-0.001f) * rate) + static_cast<float> (w);
            if (r < 0.0f)
                r += length;
            // A read position just below 0 wraps in float to exactly the
            // length; that (or a position that is not a number) reads the
            // start instead.
            if (! (r >= 0.0f && r < length))
                r = 0.0f;

            // r >= 0, so truncation is floor.
            const int i = static_cast<int> (r);
            taps[k] = { w, i, r - static_cast<float> (i) };
            if (++w == bufferLength)
                w = 0;
        };

        int k = 0;
        for (; k < count && (delayDone < delayGlideLength || sweepDone < sweepGlideLength); ++k)
        {
            if (delayDone < delayGlideLength)
            {
                ++delayDone;
                delayNow += delayStep;
            }
            if (delayDone == delayGlideLength)
                delayNow = delayTarget;

            if (sweepDone < sweepGlideLength)
            {
                ++sweepDone;
                sweepNow += sweepStep;
            }
            if (sweepDone == sweepGlideLength)
                sweepNow = sweepTarget;

            plan (k, delayNow, sweepNow);
        }

        // Both glides done: each sample snaps to the targets.
        if (k < count)
        {
            delayNow = delayTarget;
            sweepNow = sweepTarget;
            for (; k < count; ++k)
                plan (k, delayNow, sweepNow);
        }

        writeIndex = w;
        delayCurrent = delayNow;
        sweepCurrent = sweepNow;
        delayCounter = delayDone;
        sweepCounter = sweepDone;
    }

    void process (double& x, const Tap& tap) noexcept
    {
        if (buffer == nullptr)
            return;
        double* const data = buffer.get();
        data[tap.write] = x;
        const double frac = tap.frac;
        const int next = tap.index + 1 < bufferLength ? tap.index + 1 : 0;
        x = (1.0 - frac) * data[tap.index] + frac * data[next];
    }

private:
    float maximumDelay = 500.0f;
    float bufferTime = 610.0f;
    float maximumSweep = 100.0f;
    float delayTarget = 0.0f;
    float delayCurrent = 0.0f;
    float delayStep = 0.0f;
    int delayCounter = 0;
    int delayGlideLength = 32768;
    float sweepTarget = 0.0f;
    float sweepCurrent = 0.0f;
    float sweepStep = 0.0f;
    int sweepCounter = 0;
    int sweepGlideLength = 2048;
    std::unique_ptr<double[]> buffer;
    int bufferLength = 0;
    int writeIndex = 0;
};
