#include "DeluxeElectricMistressFeedbackFilter.h"

#include "PotTaper.h"

void DeluxeElectricMistressFeedbackFilter::resetCoeffs() { feedbackValue = 0.0f; }
void DeluxeElectricMistressFeedbackFilter::setFeedback (float value) { feedbackValue = value; }

void DeluxeElectricMistressFeedbackFilter::calc()
{
    // The two sides of a 10 kOhm pot with the audio taper; Feedback 1 gives
    // r = 0 (most feedback), Feedback 0 gives r2 = 0 (none).
    const float t = 1.0f - PotTaper::log81 (1.0f - feedbackValue);
    const double r = (1.0 - static_cast<double> (t)) * 10000.0;
    const double r2 = 10000.0 - r;

    double num[] = { 0.0, 0.0, 4.84e-16 * r2 * 100000.0, 2.2748e-23 * r2 * 470.0 * 100000.0 };
    double den[4];
    den[0] = 1.0;
    den[1] = 2.2e-07 * r + 2.2e-07 * r2 + 0.0022 + 0.00021999999999999998 + 2.209e-05 + 4.7e-08 * r2
           + 2.2e-09 * r2 + 4.7e-08 * r;
    den[2] = 4.84e-16 * r2 * 100000.0 + 1.034e-14 * r2 * 470.0 + 4.84e-16 * r * 100000.0 + 1.034e-14 * r * 470.0
           + 4.84e-16 * r * r2 + 4.839999999999999e-07 + 4.8598e-08 + 1.034e-10 * r2 + 4.8399999999999996e-12 * r2
           + 1.034e-10 * r + 4.859799999999999e-09 + 1.0339999999999999e-16 * r2 * 100000.0
           + 1.0339999999999999e-16 * r2 * 470.0 + 1.0339999999999999e-16 * r * 100000.0
           + 1.0339999999999999e-16 * r * r2;
    den[3] = 2.2748e-23 * r2 * 470.0 * 100000.0 + 2.2748e-23 * r * 470.0 * 100000.0 + 2.2748e-23 * r * r2 * 470.0
           + 1.0691559999999998e-11 + 2.2748e-19 * r2 * 100000.0 + 2.2748e-19 * r2 * 470.0
           + 2.2748e-19 * r * 100000.0 + 2.2748e-19 * r * r2;
    setCoeffs (den, num);
}
