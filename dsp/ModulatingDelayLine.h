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
    float getDelay() const noexcept { return delayTarget; }
    float getSweepWidth() const noexcept { return sweepTarget; }

    // Writes x and replaces it by the delayed sample; lfo (0..1) scales the
    // sweep. Without a buffer the sample passes unchanged.
    void process (double& x, float& lfo) noexcept
    {
        if (buffer == nullptr)
            return;

        if (delayCounter < delayGlideLength)
        {
            ++delayCounter;
            delayCurrent += delayStep;
        }
        if (delayCounter == delayGlideLength)
            delayCurrent = delayTarget;

        if (sweepCounter < sweepGlideLength)
        {
            ++sweepCounter;
            sweepCurrent += sweepStep;
        }
        if (sweepCounter == sweepGlideLength)
            sweepCurrent = sweepTarget;

        double* const data = buffer.get();
        data[writeIndex] = x;

        const float length = static_cast<float> (bufferLength);
        float r = ((sweepCurrent * lfo + delayCurrent) * (-0.001f) * sampleRate) + static_cast<float> (writeIndex);
        if (r < 0.0f)
            r += length;
        // A read position just below 0 wraps in float to exactly the length;
        // that (or a position that is not a number) reads the start instead.
        if (! (r >= 0.0f && r < length))
            r = 0.0f;

        // r >= 0, so truncation is floor.
        const int i = static_cast<int> (r);
        const double frac = static_cast<double> (r - static_cast<float> (i));
        const int next = i + 1 < bufferLength ? i + 1 : 0;
        const double y = (1.0 - frac) * data[i] + frac * data[next];

        if (++writeIndex == bufferLength)
            writeIndex = 0;
        x = y;
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
