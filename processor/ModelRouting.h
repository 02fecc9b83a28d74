#pragma once

// Where each host parameter lands among a model's ten parameters. Flanger117
// (model 1) numbers "Delay" and "Feedback" the other way round.
namespace ModelRouting
{
constexpr int bypass = 0;
constexpr int stereoOn = 8;
constexpr int syncOn = 9;

// The model parameter for host parameter 0 and 2..10; -1 for "flangerType",
// which picks the model instead.
int modelParameterIndex (int parameterIndex, int model);
} // namespace ModelRouting
