#include "ModelRouting.h"

#include "ParameterTable.h"

int ModelRouting::modelParameterIndex (int parameterIndex, int model)
{
    namespace P = ParameterTable;
    const bool isFlanger117 = model == 1;

    switch (parameterIndex)
    {
        case P::onBypass: return bypass;
        case P::rate: return 1;
        case P::rateSync: return 2;
        case P::depth: return 3;
        case P::delay: return isFlanger117 ? 5 : 4;
        case P::feedback: return isFlanger117 ? 4 : 5;
        case P::mix: return 6;
        case P::level: return 7;
        case P::stereo: return stereoOn;
        case P::sync: return syncOn;
        default: return -1;
    }
}
