#pragma once

#include "ModuleBase.h"
#include "StereoPair.h"

// Gentle asymmetric saturation of the bucket-brigade path:
// y = x - x^2/8 - x^3/18, held flat beyond its two turning points.
class BBDNonLinear final : public ModuleBase
{
public:
    BBDNonLinear();
    ~BBDNonLinear() override;

    void process (double& x) override { x = shape (x); }

    void process (double& left, double& right) override { processAsPair (*this, left, right); }

    void process (StereoPair& x) noexcept
    {
        const StereoPair p = x - (0.125 * x) * x;
        const StereoPair c = ((-0.0555555555555556 * x) * x) * x;
        StereoPair y = ((c + p) + 0.125) + (-0.125);
        y = VectorLanes::select (x >= splat (1.811737835407257), splat (1.0710587333780515), y);
        y = VectorLanes::select (x <= splat (-3.311737847328186), splat (-2.664808733338052), y);
        x = y;
    }

    static double shape (double x) noexcept
    {
        if (x >= 1.811737835407257)
            return 1.0710587333780515;
        if (x <= -3.311737847328186)
            return -2.664808733338052;
        const double p = x - (0.125 * x) * x;
        const double c = ((-0.0555555555555556 * x) * x) * x;
        return ((c + p) + 0.125) + (-0.125);
    }
};
