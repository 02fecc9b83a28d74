#pragma once

#include "SZBase.h"
#include "SZSection.h"

#include <cstdint>

// First-order s-to-z section that takes a new coefficient set by crossfading
// from the outputs of the old section to those of the new one over 64 to 512
// samples (by sample-rate band). A fade starts only after preCalc() or
// resetCoeffs(); a plain setCoeffs() once the fade has run switches at once to
// the new section, started from zero memory.
class SZBase1 : public SZBase
{
public:
    SZBase1();
    ~SZBase1() override;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() override;
    void resetCoeffs() override;
    void preCalc() override;
    void setCoeffs (double* den, double* num) override;

    void process (double& x) override { x = step (x); }

    void process (double& l, double& r) override { processAsPair (*this, l, r); }

    // One fade step for both channels.
    void process (StereoPair& x) noexcept { x = step (x); }

protected:
    // Sample is double (mono: lane 0) or StereoPair (both channels).
    template <typename Sample>
    Sample step (Sample x) noexcept
    {
        auto lanes = [] (const StereoPair& v) { return lanesOf<Sample> (v); };

        // The new section, or the held output while it is not active.
        Sample yN;
        if (active)
        {
            yN = SZSection::run<1> (a, b, newMemory, x);
            storeLanes (held, yN);
        }
        else
        {
            yN = lanes (held);
            storeLanes (newMemory.x[0], Sample {});
            storeLanes (newMemory.y[0], Sample {});
        }

        if (fadeCounter < fadeLength)
        {
            const double w = fadeCounter / fadeLengthAsDouble;
            ++fadeCounter;
            const Sample u = ((lanes (oldB0) * x + lanes (oldB1) * lanes (oldMemory.x[0])) - lanes (oldA1) * lanes (oldMemory.y[0])) + (-1e-20);
            storeLanes (oldMemory.x[0], x);
            storeLanes (oldMemory.y[0], u + 1e-20);
            return yN * w + (1.0 - w) * u;
        }

        // The old section follows the new one; its coefficients only need
        // copying once after they change.
        if (! oldMatchesNew)
        {
            oldA1 = a[1];
            oldB0 = b[0];
            oldB1 = b[1];
            oldMatchesNew = true;
        }
        storeLanes (oldMemory.x[0], active ? x : Sample {});
        storeLanes (oldMemory.y[0], active ? yN : Sample {});
        return yN;
    }

    // New section, both lanes equal: a[0] = a0, a[1] = a1, b[0] = b0, b[1] = b1.
    StereoPair a[2];
    StereoPair b[2];
    StereoPair oldA1, oldB0, oldB1;
    SZSection::Memory<1> newMemory, oldMemory;
    bool active = false;
    bool oldMatchesNew = false;
    StereoPair held;
    int16_t fadeCounter = 0;
    bool firstSet = true;
    int fadeLength = 64;
    double fadeLengthAsDouble = 64.0;
};
