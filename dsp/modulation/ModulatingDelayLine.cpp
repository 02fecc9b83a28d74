#include "ModulatingDelayLine.h"

#include "SampleRateBand.h"
#include "VectorLanes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

ModulatingDelayLine::ModulatingDelayLine() = default;
ModulatingDelayLine::~ModulatingDelayLine() = default;

void ModulatingDelayLine::setSampleRate (float newSampleRate)
{
    const double samples = static_cast<double> (bufferTime) * 0.001 * static_cast<double> (newSampleRate);
    // A rate that is not a positive number still gets a one-sample buffer.
    const int newLength = samples >= 1.0 && samples < 2147483647.0 ? static_cast<int> (samples) : 1;
    // Allocated before anything changes: if it throws, the line keeps its
    // rate, its buffer and the length that goes with it.
    std::unique_ptr<double[]> newBuffer (new double[static_cast<size_t> (newLength)]());

    sampleRate = newSampleRate;
    delay.length = SampleRateBand::lengthFor (newSampleRate, 16384);
    sweep.length = SampleRateBand::lengthFor (newSampleRate, 1024);
    buffer = std::move (newBuffer);
    bufferLength = newLength;
    data = buffer.get();

    if (writeIndex >= bufferLength)
        writeIndex = 0;
}

void ModulatingDelayLine::resetBuffer()
{
    writeIndex = 0;
    if (buffer != nullptr)
        std::fill (buffer.get(), buffer.get() + bufferLength, 0.0);
}

void ModulatingDelayLine::resetCoeffs()
{
    delay.target = 0.0f;
    writeIndex = 0;
}

void ModulatingDelayLine::calc()
{
    writeIndex = 0;
    calcDelay();
    calcSweepWidth();
}

void ModulatingDelayLine::setDelay (float ms) { delay.target = maximumDelay < ms ? maximumDelay : ms; }
void ModulatingDelayLine::setSweepWidth (float ms) { sweep.target = maximumSweep < ms ? maximumSweep : ms; }
void ModulatingDelayLine::calcDelay() { delay.restart(); }
void ModulatingDelayLine::calcSweepWidth() { sweep.restart(); }

void ModulatingDelayLine::forceCalcParams()
{
    delay.jump();
    sweep.jump();
    resetBuffer();
}

void ModulatingDelayLine::planTaps (const float* lfo, Taps& taps, int count) noexcept
{
    if (buffer == nullptr)
    {
        for (int k = 0; k < count; ++k)
        {
            taps.write[k] = 0;
            taps.index[k] = 0;
            taps.frac[k] = 0.0f;
        }
        return;
    }

    // Locals: the stores to taps could otherwise alias the members.
    int w = writeIndex;
    Glide d = delay;
    Glide s = sweep;
    const int size = bufferLength;
    const float length = static_cast<float> (size);
    const float rate = sampleRate;

    auto plan = [&] (int k) {
        float r = ((s.current * lfo[k] + d.current) * (-0.001f) * rate) + static_cast<float> (w);
        if (r < 0.0f)
            r += length;
        // A read position just below 0 wraps in float to exactly the length;
        // that (or a position that is not a number) reads the start instead.
        if (! (r >= 0.0f && r < length))
            r = 0.0f;

        // r >= 0, so truncation is floor.
        const int i = static_cast<int> (r);
        taps.write[k] = w;
        taps.index[k] = i;
        taps.frac[k] = r - static_cast<float> (i);
        if (++w == size)
            w = 0;
    };

    int k = 0;
    for (; k < count && (d.running() || s.running()); ++k)
    {
        d.advance();
        s.advance();
        plan (k);
    }

    if (k < count)
    {
        // Both glides done: every sample snaps to the targets. Four samples
        // at a time, each lane with the same float operations as plan().
        d.current = d.target;
        s.current = s.target;

        using Floats = VectorLanes::FourFloats;
        using Ints = VectorLanes::FourInts;
        for (; size >= 4 && k + 4 <= count; k += 4)
        {
            Floats l;
            std::memcpy (&l, lfo + k, sizeof l);
            Ints writes = w + Ints { 0, 1, 2, 3 };
            writes = VectorLanes::select (writes >= size, writes - size, writes);
            Floats r = ((s.current * l + d.current) * (-0.001f) * rate) + VectorLanes::convert<Floats> (writes);
            r = VectorLanes::select (r < 0.0f, r + length, r);
            r = VectorLanes::select ((r >= 0.0f) & (r < length), r, Floats {});
            const Ints i = VectorLanes::convert<Ints> (r);
            const Floats frac = r - VectorLanes::convert<Floats> (i);
            std::memcpy (taps.write + k, &writes, sizeof writes);
            std::memcpy (taps.index + k, &i, sizeof i);
            std::memcpy (taps.frac + k, &frac, sizeof frac);
            w = writes[3] + 1 == size ? 0 : writes[3] + 1;
        }
        for (; k < count; ++k)
            plan (k);
    }

    // Only the moving parts go back.
    writeIndex = w;
    delay.current = d.current;
    delay.counter = d.counter;
    sweep.current = s.current;
    sweep.counter = s.counter;
}
