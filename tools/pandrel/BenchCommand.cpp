// pandrel bench: the engine's cost. Per model, the median time per sample
// frame at 44.1 to 192 kHz, mono and stereo, blocks of 64 and 512, for a loud
// signal and for the silence after it; the cost of calcParameter and
// forceCalcParams; and each figure as a ratio to a minimal reference flanger,
// which holds from one machine to another; then, at 48 kHz in blocks of 512
// with the loud signal, the median and range over many interleaved rounds of
// each model (mono and stereo) and the kernel, with the cost of mono as a
// share of stereo. Runs with flush-to-zero on, as the plug-in does.
// "pandrel bench plugin" measures the whole plug-in instead, "pandrel bench
// presets" what the preset menu costs the message thread.
#include "Commands.h"
#include "Median.h"
#include "ModelSetup.h"
#include "PluginBench.h"
#include "PresetBench.h"
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
constexpr int rounds = 31;
const float rates[] = { 44100.0f, 48000.0f, 96000.0f, 192000.0f };
const int blockSizes[] = { 64, 512 };

using Clock = std::chrono::steady_clock;

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
    Spread model, reference, ratio;
};

// The model and the reference take turns, so that both see the same state
// of the machine; the ratio is taken turn by turn.
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
    return { spread (modelTimes), spread (referenceTimes), spread (ratios) };
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

// "median (lowest-highest)"
void printSpread (const Spread& s, bool last = false)
{
    char text[40];
    std::snprintf (text, sizeof text, "%.2f (%.2f-%.2f)", s.median, s.lowest, s.highest);
    std::printf (last ? " %s" : " %-20s", text);
}

// A round runs the kernel and the model in turns, in mono and then in stereo.

void printRounds (const Signal& loud)
{
    constexpr float rate = 48000.0f;
    constexpr int blockSize = 512;
    std::printf ("\nAt 48 kHz, block 512, loud, over %d interleaved rounds of model and kernel: median (lowest-highest).\n"
                 "mono / stereo: the model's mono cost as a share of its stereo cost, round by round.\n",
                 rounds);
    std::printf ("%-7s %-6s %-20s %-20s %-20s %s\n", "model", "chans", "ns/frame", "x kernel", "kernel ns/frame",
                 "mono / stereo");

    for (int m = 0; m < ModelSetup::numModels; ++m)
    {
        ReferenceFlanger reference;
        reference.prepare (rate);
        auto model = ModelSetup::create (m);
        ModelSetup::prepare (*model, rate, blockSize);

        Signal work = loud;
        std::vector<double> times[2], ratios[2], referenceTimes[2], monoShare;
        for (int round = -1; round < rounds; ++round)
        {
            double modelTime[2], referenceTime[2];
            for (int stereo = 0; stereo < 2; ++stereo)
            {
                referenceTime[stereo] = timeRun (blockFunction (reference, stereo != 0), loud, work, blockSize);
                modelTime[stereo] = timeRun (blockFunction (*model, stereo != 0), loud, work, blockSize);
            }
            if (round < 0)
                continue; // warm-up
            for (int stereo = 0; stereo < 2; ++stereo)
            {
                times[stereo].push_back (modelTime[stereo]);
                referenceTimes[stereo].push_back (referenceTime[stereo]);
                ratios[stereo].push_back (modelTime[stereo] / referenceTime[stereo]);
            }
            monoShare.push_back (modelTime[0] / modelTime[1]);
        }

        for (int stereo = 0; stereo < 2; ++stereo)
        {
            std::printf ("%-7s %-6s", ModelSetup::label (m), stereo != 0 ? "stereo" : "mono");
            printSpread (spread (times[stereo]));
            printSpread (spread (ratios[stereo]));
            printSpread (spread (referenceTimes[stereo]), stereo != 0);
            if (stereo == 0)
                printSpread (spread (monoShare), true);
            std::printf ("\n");
        }
    }
}
} // namespace

int pandrel::runBench (int argc, char** argv)
{
    if (argc >= 1 && std::strcmp (argv[0], "plugin") == 0)
        return runPluginBench (argc - 1, argv + 1);
    if (argc >= 1 && std::strcmp (argv[0], "presets") == 0)
        return runPresetBench (argc - 1, argv + 1);
    if (argc != 0)
    {
        std::fprintf (stderr, "usage: pandrel bench [plugin | presets]\n");
        return 2;
    }

    juce::ScopedNoDenormals noDenormals;
    const Signal loud = noise();
    const Signal quiet { std::vector<float> (framesPerRun), std::vector<float> (framesPerRun) };

    std::printf ("Median ns per sample frame (%d frames, %d runs); loud is full-scale noise, silence follows it.\n"
                 "x ref: the cost as a ratio to the reference flanger kernel, run in turns with the model, and its range.\n\n",
                 framesPerRun, runs);
    std::printf ("%-7s %6s %-6s %5s %8s %7s %11s %8s %7s %8s\n", "model", "kHz", "chans", "block", "loud", "x ref", "range",
                 "silence", "x ref", "ref loud");

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
                    std::printf ("%-7s %6.1f %-6s %5d %8.1f %7.2f %5.2f-%-5.2f %8.1f %7.2f %8.1f\n", ModelSetup::label (m),
                                 rate / 1000.0f, stereo ? "stereo" : "mono", blockSize, loudCost.model.median,
                                 loudCost.ratio.median, loudCost.ratio.lowest, loudCost.ratio.highest, quietCost.model.median,
                                 quietCost.ratio.median, loudCost.reference.median);
                }

    std::printf ("\nParameter recalculation at 48 kHz (ns per call, by parameter index):\n");
    for (int m = 0; m < ModelSetup::numModels; ++m)
        printParameterCosts (m);

    printRounds (loud);
    return 0;
}
