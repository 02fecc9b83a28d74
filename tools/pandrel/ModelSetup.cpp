#include "ModelSetup.h"

const char* ModelSetup::label (int model)
{
    static const char* const labels[numModels] = { "Type 1", "Type 2", "Type 3" };
    return labels[model];
}

const char* ModelSetup::className (int model)
{
    static const char* const names[numModels] = { "DeluxeElectricMistressFlanger", "Flanger117", "ElectricMistressFlanger" };
    return names[model];
}

std::unique_ptr<FlangerModelBase> ModelSetup::create (int model)
{
    switch (model)
    {
        case 0: return std::make_unique<DeluxeElectricMistressFlanger>();
        case 1: return std::make_unique<Flanger117>();
        default: return std::make_unique<ElectricMistressFlanger>();
    }
}

void ModelSetup::prepare (FlangerModelBase& model, float sampleRate, int blockSize,
                          const std::vector<std::pair<int, float>>& changes, float bpm)
{
    model.setSampleRate (sampleRate);
    model.setExpectedSampleFrame (blockSize);
    model.reset();
    model.setBpm (bpm);
    model.setParameter (0, 1.0f);
    for (int i = 1; i < model.getParameterNum(); ++i)
        model.setParameter (i, model.getDefaultParameter (i));
    for (const auto& [index, value] : changes)
        model.setParameter (index, value);
    model.forceCalcParams();
}
