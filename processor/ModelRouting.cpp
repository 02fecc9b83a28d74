#include "ModelRouting.h"

#include "ParameterTable.h"

int ModelRouting::modelParameterIndex (int parameterIndex, const FlangerModelBase& model)
{
    namespace P = ParameterTable;
    using M = FlangerModelBase;

    switch (parameterIndex)
    {
        case P::onBypass: return M::bypassParameter;
        case P::rate: return M::rateParameter;
        case P::rateSync: return M::rateSyncParameter;
        case P::depth: return M::depthParameter;
        case P::delay: return model.delayParameter();
        case P::feedback: return model.feedbackParameter();
        case P::mix: return M::mixParameter;
        case P::level: return M::levelParameter;
        case P::stereo: return M::stereoParameter;
        case P::sync: return M::syncParameter;
        default: return -1;
    }
}
