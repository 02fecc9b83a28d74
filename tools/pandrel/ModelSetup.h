#pragma once

#include "DeluxeElectricMistressFlanger.h"
#include "ElectricMistressFlanger.h"
#include "Flanger117.h"

#include <memory>

// The three flanger models, prepared as the plug-in prepares them.
namespace ModelSetup
{
constexpr int numModels = 3;

// "Type 1" .. "Type 3" with their class names.
const char* label (int model);
const char* className (int model);

std::unique_ptr<FlangerModelBase> create (int model);

// Sample rate, block size, reset, every parameter at its default (engaged),
// then all settings at once.
void prepare (FlangerModelBase& model, float sampleRate, int blockSize);
} // namespace ModelSetup
