#pragma once

// On/off: any normalized value above 0 is on (not-a-number is off).

#include "AAX_ITaperDelegate.h"

template <typename T>
class AAX_CBinaryTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate (*this); }
    T GetMaximumValue() const override { return T (true); }
    T GetMinimumValue() const override { return T (false); }
    T ConstrainRealValue (T value) const override { return value; }
    T NormalizedToReal (double normalizedValue) const override { return T (normalizedValue > 0.0); }
    double RealToNormalized (T realValue) const override { return realValue ? 1.0 : 0.0; }
};
