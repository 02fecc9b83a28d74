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

    void process (double& x) override
    {
        if (fadeCounter < fadeLength)
        {
            const double w = fadeCounter / fadeLengthAsDouble;
            ++fadeCounter;
            x = fading (x, w, newLeft, oldLeft, heldLeft);
        }
        else
        {
            x = settled (x, newLeft, oldLeft, heldLeft);
        }
    }

    void process (double& l, double& r) override
    {
        if (fadeCounter < fadeLength)
        {
            const double w = fadeCounter / fadeLengthAsDouble;
            ++fadeCounter;
            l = fading (l, w, newLeft, oldLeft, heldLeft);
            r = fading (r, w, newRight, oldRight, heldRight);
        }
        else
        {
            l = settled (l, newLeft, oldLeft, heldLeft);
            r = settled (r, newRight, oldRight, heldRight);
        }
    }

protected:
    // Output of the new section, or the held output while it is not active.
    double newSectionOutput (double x, SZSection::Memory<1>& memory, double& held) noexcept
    {
        if (active)
        {
            held = SZSection::run<1> (a, b, memory, x);
            return held;
        }
        memory.clear();
        return held;
    }

    double fading (double x, double w, SZSection::Memory<1>& newMemory, SZSection::Memory<1>& oldMemory, double& held) noexcept
    {
        const double yN = newSectionOutput (x, newMemory, held);
        const double u = ((oldB0 * x + oldB1 * oldMemory.x[0]) - oldA1 * oldMemory.y[0]) + (-1e-20);
        oldMemory.x[0] = x;
        oldMemory.y[0] = u + 1e-20;
        return yN * w + (1.0 - w) * u;
    }

    double settled (double x, SZSection::Memory<1>& newMemory, SZSection::Memory<1>& oldMemory, double& held) noexcept
    {
        const double yN = newSectionOutput (x, newMemory, held);
        oldA1 = a[1];
        oldB0 = b[0];
        oldB1 = b[1];
        oldMemory.x[0] = active ? x : 0.0;
        oldMemory.y[0] = active ? yN : 0.0;
        return yN;
    }

    // New section: a[0] = a0, a[1] = a1, b[0] = b0, b[1] = b1.
    double a[2] {};
    double b[2] {};
    double oldA1 = 0.0, oldB0 = 0.0, oldB1 = 0.0;
    SZSection::Memory<1> newLeft, oldLeft, newRight, oldRight;
    bool active = false;
    double heldLeft = 0.0, heldRight = 0.0;
    int16_t fadeCounter = 0;
    bool firstSet = true;
    int fadeLength = 64;
    double fadeLengthAsDouble = 64.0;
};
