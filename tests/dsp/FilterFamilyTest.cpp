// The s-to-z filter family and the models' filter sections.
#include "DeluxeElectricMistressFeedbackFilter.h"
#include "DeluxeElectricMistressInputFilter.h"
#include "DeluxeElectricMistressPreEmphasis.h"
#include "DeluxeElectricMistressWetFilter.h"
#include "ElectricMistresDryPreEmphasisFilter.h"
#include "ElectricMistressDryDeEmphasisFilter.h"
#include "ElectricMistressFeedbackPreEmphasisFilter.h"
#include "Flanger117AntiAliasing.h"
#include "Flanger117DeEmphasis.h"
#include "Flanger117FilterRegen.h"
#include "Flanger117PreEmphasis.h"
#include "Flanger117Reconstruction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace
{
// Without prewarping, the bilinear transform maps the prototype's hz to the
// digital 2 atan (pi hz / fs): the section's response there is the
// prototype's at hz.
double digitalOmega (double hz, double fs) { return 2.0 * std::atan (M_PI * hz / fs); }

double toDb (std::complex<double> h) { return 20.0 * std::log10 (std::abs (h)); }

// From the coefficients of an order-N section.
template <int N, typename Section>
double gainFromCoefficients (const Section& section, double hz, double fs)
{
    const auto z = std::polar (1.0, -digitalOmega (hz, fs));
    std::complex<double> num, den = 1.0, power = 1.0;
    for (int k = 0; k <= N; ++k, power *= z)
    {
        num += section.getB (k) * power;
        if (k > 0)
            den += section.getA (k) * power;
    }
    return toDb (num / den);
}

template <int N>
double prototypeGainDb (const SZBaseStatic<N>& section, double hz, double fs = 48000.0) { return gainFromCoefficients<N> (section, hz, fs); }
template <int N>
double prototypeGainDb (const SZBaseGliding<N>& section, double hz, double fs = 48000.0) { return gainFromCoefficients<N> (section, hz, fs); }

// From the impulse response, for the crossfading section.
double prototypeGainDb (SZBase1& section, double hz, double fs = 48000.0)
{
    section.resetBuffer();
    std::complex<double> h;
    for (int n = 0; n < 20000; ++n)
    {
        double x = n == 0 ? 1.0 : 0.0;
        section.process (x);
        h += x * std::polar (1.0, -digitalOmega (hz, fs) * n);
    }
    return toDb (h);
}

template <typename Section>
void expectPrototype (Section&& section, std::initializer_list<std::pair<double, double>> gains)
{
    section.setSampleRate (48000.0f);
    section.calc();
    for (auto [hz, db] : gains)
        EXPECT_NEAR (prototypeGainDb (section, hz), db, 0.1) << typeid (Section).name() << " at " << hz << " Hz";
}

struct FirstOrder : SZBase1s
{
    void calc() override {}
};

} // namespace

TEST (SZBase, GlidingSectionJumpsFirstThenGlidesOncePerSampleOrPair)
{
    struct : SZBase2x
    {
        void calc() override {}
    } section;
    section.setSampleRate (44100.0f);
    double den[] = { 1.0, 1e-4, 1e-9 }, num[] = { 1.0, 0.0, 0.0 };
    section.setCoeffs (den, num);
    const double startB0 = section.getB (0);
    double x = 0.0, l = 0.0, r = 0.0;
    section.process (x);
    EXPECT_EQ (section.getB (0), startB0);

    double later[] = { 1.0, 3e-4, 1e-9 };
    section.setCoeffs (later, num);
    FirstOrder reference;
    reference.setSampleRate (44100.0f);
    const double target = 1.0 / reference.s_to_z (later, 2, 0, 44100.0);
    for (int n = 0; n < 1023; ++n)
        section.process (l, r);
    section.process (x);
    EXPECT_NEAR (section.getB (0), (startB0 + target) / 2.0, 1e-12);
    for (int n = 0; n < 1023; ++n)
        section.process (x);
    EXPECT_NE (section.getB (0), target);
    section.process (x);
    EXPECT_NEAR (section.getB (0), target, 1e-12);
    const double settled = section.getB (0);
    section.process (x);
    EXPECT_EQ (section.getB (0), settled);

    // Coefficients made for another rate are not glided from.
    section.setSampleRate (8000.0f);
    section.setCoeffs (den, num);
    EXPECT_DOUBLE_EQ (section.getB (0), 1.0 / reference.s_to_z (den, 2, 0, 8000.0));
}

TEST (ModelFilters, FixedPrototypesHaveTheirResponses)
{
    expectPrototype (DeluxeElectricMistressInputFilter(), { { 20, 1.7 }, { 1000, 2.5 }, { 10000, -0.2 } });
    expectPrototype (DeluxeElectricMistressPreEmphasis(), { { 20, 0.7 }, { 1000, 5.3 }, { 10000, 18.9 } });
    expectPrototype (DeluxeElectricMistressWetFilter(), { { 20, -6.4 }, { 1000, -0.1 }, { 10000, 0.0 } });
    expectPrototype (Flanger117PreEmphasis(), { { 20, 0.0 }, { 1000, 7.7 }, { 10000, 19.9 } });
    expectPrototype (Flanger117AntiAliasing(), { { 20, -3.5 }, { 1000, -3.5 }, { 10000, -5.0 } });
    expectPrototype (Flanger117Reconstruction(), { { 20, -9.1 }, { 1000, 0.0 }, { 10000, -1.2 }, { 20000, -21.0 } });
    expectPrototype (Flanger117DeEmphasis(), { { 20, -4.1 }, { 1000, -11.3 }, { 10000, -23.4 } });
    expectPrototype (ElectricMistresDryPreEmphasisFilter(), { { 20, -8.3 }, { 1000, 2.5 }, { 10000, 6.6 } });
    expectPrototype (ElectricMistressDryDeEmphasisFilter(), { { 20, -4.1 }, { 1000, -6.6 }, { 10000, -11.7 } });
}

TEST (ModelFilters, FeedbackSectionsFollowThePot)
{
    DeluxeElectricMistressFeedbackFilter type1;
    type1.setFeedback (1.0f);
    expectPrototype (type1, { { 20, -43.6 }, { 1000, -13.7 }, { 10000, -25.6 } });
    const double full = prototypeGainDb (type1, 1000);
    type1.resetCoeffs(); // only the pot value: the next set glides instead of jumping
    type1.setFeedback (0.5f);
    type1.calc();
    for (int n = 0; n < 2048; ++n)
    {
        double x = 0.0;
        type1.process (x);
    }
    EXPECT_NEAR (prototypeGainDb (type1, 1000), full - 0.9, 0.1);

    ElectricMistressFeedbackPreEmphasisFilter type3;
    type3.setFeedbackTrim (1.0f);
    type3.setFeedback (0.0f);
    expectPrototype (type3, { { 20, -49.9 }, { 1000, -67.5 } });
    ElectricMistressFeedbackPreEmphasisFilter type3Full;
    type3Full.setFeedbackTrim (1.0f);
    type3Full.setFeedback (1.0f);
    expectPrototype (type3Full, { { 20, -17.5 }, { 1000, -1.1 }, { 10000, 0.0 } });

    // Type 2: a 5 ms high-pass whose high-frequency gain is the pot's share.
    for (auto [pot, gain] : { std::pair { 1.0f, 1.0 }, { 0.5f, 0.9 }, { 0.0f, 0.0 } })
    {
        Flanger117FilterRegen regen;
        regen.setRegen (pot);
        regen.setSampleRate (48000.0f);
        regen.calc();
        for (int n = 0; n < 600; ++n)
        {
            double x = 0.0;
            regen.process (x);
        }
        EXPECT_NEAR (std::pow (10.0, prototypeGainDb (regen, 20000) / 20.0), gain, 0.002) << pot;
        EXPECT_NEAR (std::pow (10.0, prototypeGainDb (regen, 31.83) / 20.0), gain * std::sqrt (0.5), 0.002) << pot;
    }
}
