#pragma once

#include "ModuleBase.h"

// Filter from an analogue prototype H(s) = num(s) / den(s), discretised by the
// bilinear transform s = 2 fs (1 - 1/z) / (1 + 1/z) without prewarping and run
// as a direct-form-I section. The variants differ in order and in how a new
// coefficient set takes over; a concrete filter overrides calc() to build its
// prototype (ascending powers of s) and hands it to setCoeffs(den, num).
class SZBase : public ModuleBase
{
public:
    SZBase();
    ~SZBase() override;

    virtual void preCalc() = 0;
    virtual void setCoeffs (double* den, double* num) = 0;

    // Coefficient of z^-zIndex in sum_k poly[k] (2 fs)^k (1 - 1/z)^k (1 + 1/z)^(order - k).
    double s_to_z (const double* poly, int order, int zIndex, double fs);
    // n!, in double.
    double f (int n);

protected:
    // a[0] := the digital denominator's constant term; a[1..order] and
    // b[0..order] normalised by it.
    void transform (const double* den, const double* num, int order, double* a, double* b);
};
