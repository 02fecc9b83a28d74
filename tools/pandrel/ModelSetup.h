#pragma once

#include "DeluxeElectricMistressFlanger.h"
#include "ElectricMistressFlanger.h"
#include "Flanger117.h"

#include <memory>
#include <utility>
#include <vector>

// The three flanger models, prepared as the plug-in prepares them; shared by
// the tool and the model tests.
namespace ModelSetup
{
constexpr int numModels = 3;

// "Type 1" .. "Type 3" with their class names.
const char* label (int model);
const char* className (int model);

std::unique_ptr<FlangerModelBase> create (int model);

// Sample rate, block size, reset, tempo, every parameter at its default
// (engaged), the given changes (model parameter index, value), then all
// settings at once.
void prepare (FlangerModelBase& model, float sampleRate, int blockSize,
              const std::vector<std::pair<int, float>>& changes = {}, float bpm = 120.0f);
} // namespace ModelSetup
