#pragma once

#include "FlangerModelBase.h"

// Where each host parameter lands among a model's ten parameters.
namespace ModelRouting
{
// The model parameter for host parameter 0 and 2..10; -1 for "flangerType",
// which picks the model instead.
int modelParameterIndex (int parameterIndex, const FlangerModelBase& model);
} // namespace ModelRouting
