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
    ModulatingDelayLine (const ModulatingDelayLine&) = delete;
    ModulatingDelayLine& operator= (const ModulatingDelayLine&) = delete;

    // Reallocates the buffer (610 ms at the new rate, zeroed). Should the
    // allocation fail, nothing changes and std::bad_alloc passes on.
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
    int getDelayGlideLength() const noexcept { return delay.length; }
    int getSweepGlideLength() const noexcept { return sweep.length; }
    int getWriteIndex() const noexcept { return writeIndex; }
    float getDelay() const noexcept { return delay.target; }
    float getSweepWidth() const noexcept { return sweep.target; }

    static constexpr int maxTaps = 64;

    // Where each sample of a run writes and reads: the slot it is written to,
    // and the slot read with weight 1 - frac (the next one, wrapping, with
    // weight frac).
    struct Taps
    {
        int write[maxTaps];
        int index[maxTaps];
        float frac[maxTaps];
    };

    // Writes x and replaces it by the delayed sample; lfo (0..1) scales the
    // sweep. Without a buffer the sample passes unchanged.
    void process (double& x, float& lfo) noexcept
    {
        Taps taps;
        planTaps (&lfo, taps, 1);
        process (x, taps, 0);
    }

    // The read positions depend on the LFO and the glides, never on the
    // signal: a caller can work them out for a run of up to maxTaps samples
    // first and then pass each sample with its tap, in order.
    void planTaps (const float* lfo, Taps& taps, int count) noexcept;

    void process (double& x, const Taps& taps, int k) noexcept
    {
        write (x, taps, k);
        x = read (taps, k);
    }

    // The two halves of process: a caller may split them where read() at
    // sample k touches no slot written from some earlier sample on (see
    // readAges).
    void write (double x, const Taps& taps, int k) noexcept { data[taps.write[k]] = x; }

    double read (const Taps& taps, int k) const noexcept
    {
        const double frac = taps.frac[k];
        const int i = taps.index[k];
        const int next = i + 1 < bufferLength ? i + 1 : 0;
        return (1.0 - frac) * data[i] + frac * data[next];
    }

    // For each tap, how many samples before its own sample the newer of its
    // two read slots was written: 0 when it reads the slot its sample writes.
    void readAges (const Taps& taps, int count, int* ages) const noexcept
    {
        // Without branches, so that the loop vectorises: the length is added
        // where the difference is negative, and 1 taken off where it is not 0.
        for (int k = 0; k < count; ++k)
        {
            const int difference = taps.write[k] - taps.index[k];
            const int back = difference + (bufferLength & -static_cast<int> (difference < 0));
            ages[k] = back - static_cast<int> (back != 0);
        }
    }

private:
    // A setting in ms that glides linearly to its target over length samples
    // and is then held exactly there.
    struct Glide
    {
        float target = 0.0f;
        float current = 0.0f;
        float step = 0.0f;
        int counter = 0;
        int length;

        bool running() const noexcept { return counter < length; }

        void restart() noexcept
        {
            counter = 0;
            step = (target - current) / static_cast<float> (length);
        }

        void jump() noexcept
        {
            counter = length;
            step = 0.0f;
            current = target;
        }

        // One sample on. A counter beyond the length (left by a rate change)
        // counts as reached.
        void advance() noexcept
        {
            if (counter < length)
            {
                ++counter;
                current += step;
            }
            if (counter >= length)
                current = target;
        }
    };

    float maximumDelay = 500.0f;
    float bufferTime = 610.0f;
    float maximumSweep = 100.0f;
    Glide delay { 0.0f, 0.0f, 0.0f, 0, 32768 };
    Glide sweep { 0.0f, 0.0f, 0.0f, 0, 2048 };
    std::unique_ptr<double[]> buffer;
    int bufferLength = 0;
    // The buffer, or while there is none a single slot that every tap writes
    // and reads, so that samples pass unchanged.
    double emptySlot = 0.0;
    double* data = &emptySlot;
    int writeIndex = 0;
};
