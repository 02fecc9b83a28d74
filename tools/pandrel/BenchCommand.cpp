// pandrel bench: the engine's cost. Per model, the median time per sample
// frame at 44.1 to 192 kHz, mono and stereo, blocks of 64 and 512, for a loud
// signal and for the silence after it; the cost of calcParameter and
// forceCalcParams; and each figure as a ratio to a minimal reference flanger,
// which holds from one machine to another. Runs with flush-to-zero on, as the
// plug-in does. "pandrel bench plugin" measures the whole plug-in instead.
#include "Commands.h"
#include "ModelSetup.h"
#include "PluginBench.h"
#include "ReferenceFlanger.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace
{
constexpr int framesPerRun = 48000;
constexpr int runs = 7;
const float rates[] = { 44100.0f, 48000.0f, 96000.0f, 192000.0f };
const int blockSizes[] = { 64, 512 };

using Clock = std::chrono::steady_clock;

double median (std::vector<double> values)
{
    std::sort (values.begin(), values.end());
    return values[values.size() / 2];
}

struct Signal
{
    std::vector<float> left, right;
};

Signal noise()
{
    Signal s { std::vector<float> (framesPerRun), std::vector<float> (framesPerRun) };
    juce::Random random (1);
    for (int n = 0; n < framesPerRun; ++n)
    {
        s.left[static_cast<size_t> (n)] = random.nextFloat() * 2.0f - 1.0f;
        s.right[static_cast<size_t> (n)] = random.nextFloat() * 2.0f - 1.0f;
    }
    return s;
}

using BlockFunction = std::function<void (float*, float*, int)>;

// ns per frame of one run of the input through in blocks, in place.
double timeRun (const BlockFunction& process, const Signal& input, Signal& work, int blockSize)
{
    work = input;
    const auto start = Clock::now();
    for (int n = 0; n < framesPerRun; n += blockSize)
        process (work.left.data() + n, work.right.data() + n, std::min (blockSize, framesPerRun - n));
    const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
    return elapsed.count() / framesPerRun;
}

struct Cost
{
    double model, reference, ratio;
};

// The model and the reference take turns, so that both see the same state
// of the machine; the ratio is the median of the ratios of the turns.
Cost measure (const BlockFunction& model, const BlockFunction& reference, const Signal& input, int blockSize)
{
    Signal work = input;
    timeRun (model, input, work, blockSize); // warm-up
    timeRun (reference, input, work, blockSize);

    std::vector<double> modelTimes, referenceTimes, ratios;
    for (int run = 0; run < runs; ++run)
    {
        const double r = timeRun (reference, input, work, blockSize);
        const double m = timeRun (model, input, work, blockSize);
        modelTimes.push_back (m);
        referenceTimes.push_back (r);
        ratios.push_back (m / r);
    }
    return { median (modelTimes), median (referenceTimes), median (ratios) };
}

BlockFunction blockFunction (FlangerModelBase& model, bool stereo)
{
    if (stereo)
        return [&model] (float* l, float* r, int n) { model.process (l, r, n); };
    return [&model] (float* l, float*, int n) { model.process (l, n); };
}

BlockFunction blockFunction (ReferenceFlanger& reference, bool stereo)
{
    if (stereo)
        return [&reference] (float* l, float* r, int n) { reference.process (l, r, n); };
    return [&reference] (float* l, float*, int n) { reference.process (l, n); };
}

double timeCall (const std::function<void (int)>& call, int calls)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            call (i);
        const std::chrono::duration<double, std::nano> elapsed = Clock::now() - start;
        times.push_back (elapsed.count() / calls);
    }
    return median (times);
}

void printParameterCosts (int m)
{
    auto model = ModelSetup::create (m);
    ModelSetup::prepare (*model, 48000.0f, 512);

    std::printf ("  %s  calcParameter ns:", ModelSetup::label (m));
    for (int index = 0; index < model->getParameterNum(); ++index)
    {
        const float def = model->getDefaultParameter (index);
        const double ns = timeCall (
            [&] (int i) {
                model->setParameter (index, (i & 1) != 0 ? def : 1.0f - def);
                model->calcParameter (index);
            },
            200);
        std::printf (" %d:%.0f", index, ns);
    }
    std::printf ("\n");

    for (float rate : { 48000.0f, 192000.0f })
    {
        model->setSampleRate (rate);
        const double ns = timeCall ([&] (int) { model->forceCalcParams(); }, 20);
        std::printf ("  %s  forceCalcParams at %.1f kHz: %.1f us\n", ModelSetup::label (m), rate / 1000.0f, ns / 1000.0);
    }
}
} // namespace

int pandrel::runBench (int argc, char** argv)
{
    if (argc >= 1 && std::strcmp (argv[0], "plugin") == 0)
        return runPluginBench (argc - 1, argv + 1);
    if (argc != 0)
    {
        std::fprintf (stderr, "usage: pandrel bench [plugin]\n");
        return 2;
    }

    juce::ScopedNoDenormals noDenormals;
    const Signal loud = noise();
    const Signal quiet { std::vector<float> (framesPerRun), std::vector<float> (framesPerRun) };

    std::printf ("Median ns per sample frame (%d frames, %d runs); loud is full-scale noise, silence follows it.\n"
                 "x ref: the cost as a ratio to the reference flanger kernel, run in turns with the model.\n\n",
                 framesPerRun, runs);
    std::printf ("%-7s %6s %-6s %5s %8s %7s %8s %7s %8s\n", "model", "kHz", "chans", "block", "loud", "x ref", "silence",
                 "x ref", "ref loud");

    Cost summary[ModelSetup::numModels] {};

    for (float rate : rates)
        for (bool stereo : { false, true })
            for (int blockSize : blockSizes)
                for (int m = 0; m < ModelSetup::numModels; ++m)
                {
                    ReferenceFlanger reference;
                    reference.prepare (rate);
                    auto model = ModelSetup::create (m);
                    ModelSetup::prepare (*model, rate, blockSize);
                    const auto modelBlocks = blockFunction (*model, stereo);
                    const auto referenceBlocks = blockFunction (reference, stereo);

                    const Cost loudCost = measure (modelBlocks, referenceBlocks, loud, blockSize);
                    const Cost quietCost = measure (modelBlocks, referenceBlocks, quiet, blockSize);
                    std::printf ("%-7s %6.1f %-6s %5d %8.1f %7.2f %8.1f %7.2f %8.1f\n", ModelSetup::label (m), rate / 1000.0f,
                                 stereo ? "stereo" : "mono", blockSize, loudCost.model, loudCost.ratio, quietCost.model,
                                 quietCost.ratio, loudCost.reference);
                    if (rate == 48000.0f && stereo && blockSize == 512)
                        summary[m] = loudCost;
                }

    std::printf ("\nParameter recalculation at 48 kHz (ns per call, by parameter index):\n");
    for (int m = 0; m < ModelSetup::numModels; ++m)
        printParameterCosts (m);

    std::printf ("\nAt 48 kHz stereo, block 512, loud:\n");
    for (int m = 0; m < ModelSetup::numModels; ++m)
        std::printf ("  %s (%s): %.1f ns/frame, %.2f x the reference kernel (%.1f ns/frame)\n", ModelSetup::label (m),
                     ModelSetup::className (m), summary[m].model, summary[m].ratio, summary[m].reference);
    return 0;
}
