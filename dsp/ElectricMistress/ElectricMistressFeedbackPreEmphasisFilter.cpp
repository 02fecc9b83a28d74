#include "ElectricMistressFeedbackPreEmphasisFilter.h"

#include "PotTaper.h"

void ElectricMistressFeedbackPreEmphasisFilter::resetCoeffs()
{
    feedbackTrim = 0.0f;
    feedbackValue = 0.0f;
}

void ElectricMistressFeedbackPreEmphasisFilter::setFeedbackTrim (float value) { feedbackTrim = value; }
void ElectricMistressFeedbackPreEmphasisFilter::setFeedback (float value) { feedbackValue = value; }

void ElectricMistressFeedbackPreEmphasisFilter::calc()
{
    // rt: the trim (0 at trim 1); r and r2: the two sides of a 10 kOhm pot.
    const double rt = (1.0 - static_cast<double> (feedbackTrim)) * 100000.0;
    const float t = 1.0f - PotTaper::log81 (1.0f - feedbackValue);
    const double r = (1.0 - static_cast<double> (t)) * 10000.0;
    const double r2 = 10000.0 - r;

    double num[3];
    num[0] = 1.0;
    num[1] = r2 * 3.3e-05 + 0.002244;
    num[2] = r2 * 7.405200000000001e-08;
    double den[3];
    den[0] = 1.0;
    den[1] = ((r + rt) * 3.3e-05 + num[1]) + 2.244;
    den[2] = 7.405200000000001e-08 * (r + rt) + num[2];
    setCoeffs (den, num);
}
