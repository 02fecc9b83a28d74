#include "Flanger117Diode.h"

namespace
{
// Voltages at the diode node vD and the junction vJ for an input vin, by
// Newton's method from the previous solution: the currents into the junction
// and into the diode node must both be zero.
void solveNetwork (double vin, double& vD, double& vJ)
{
    for (int iteration = 0; iteration < 200; ++iteration)
    {
        const double fD = (vD - vJ) / 27000.0 + 2e-12 * std::sinh (vD / 0.025);
        const double fJ = (vJ - vin) / 100000.0 + (vJ - vD) / 27000.0;
        const double jD = std::cosh (vD / 0.025) * 2e-12 / 0.025 + 3.7037037037037037e-05;
        const double det = jD * 4.7037037037037036e-05 + (-1.3717421124828533e-09);
        const double inv = 1.0 / det;
        const double dD = fD * (inv * 4.7037037037037036e-05) + fJ * (inv * 3.7037037037037037e-05);
        const double dJ = fD * (inv * 3.7037037037037037e-05) + fJ * (inv * jD);
        vD = vD - dD;
        vJ = vJ - dJ;

        const double largest = std::abs (dD) > std::abs (dJ) ? std::abs (dD) : std::abs (dJ);
        if (std::isnan (dD) || std::isnan (dJ) || largest <= 1e-8)
            break;
    }
}
} // namespace

Flanger117Diode::Flanger117Diode() : table (new float[tableSize]())
{
    double vD = -0.6;
    double vJ = -2.0;
    double vin = -4.5;
    for (int k = 0; k < tableSize; ++k)
    {
        solveNetwork (vin, vD, vJ);
        table[k] = static_cast<float> (vJ);
        vin = vin + 0.0010986328125;
    }
}

Flanger117Diode::~Flanger117Diode() = default;
