#include "SZBase.h"

#include <algorithm>
#include <cmath>

SZBase::SZBase() = default;
SZBase::~SZBase() = default;

double SZBase::f (int n)
{
    return n <= 0 ? 1.0 : f (n - 1) * static_cast<double> (n);
}

double SZBase::s_to_z (const double* poly, int order, int zIndex, double fs)
{
    if (order < 0)
        return 0.0;

    static constexpr double sign[2] = { 1.0, -1.0 };
    const int n = order;
    const int j = zIndex;
    const double k2 = fs + fs;
    double result = 0.0;

    for (int k = 0; k <= n; ++k)
    {
        double inner = 0.0;
        for (int i = std::max (0, k + j - n); i <= std::min (j, k); ++i)
            inner += (f (n - k) * f (k)) / (((f (i) * f (k - i)) * f (j - i)) * f (n - k - j + i)) * sign[i % 2];

        result = result + (std::pow (k2, static_cast<double> (k)) * poly[k]) * inner;
    }
    return result;
}

void SZBase::transform (const double* den, const double* num, int order, double* a, double* b)
{
    const double fs = static_cast<double> (sampleRate);
    a[0] = s_to_z (den, order, 0, fs);
    for (int j = 1; j <= order; ++j)
        a[j] = s_to_z (den, order, j, fs) / a[0];
    for (int j = 0; j <= order; ++j)
        b[j] = s_to_z (num, order, j, fs) / a[0];
}
