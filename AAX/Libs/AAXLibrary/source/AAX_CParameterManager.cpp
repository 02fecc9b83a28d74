#include "AAX_CParameterManager.h"

#include <cstring>

AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize (AAX_IAutomationDelegate* delegate)
{
    mAutomationDelegate = delegate;
}

std::int32_t AAX_CParameterManager::NumParameters() const
{
    return static_cast<std::int32_t> (mParameters.size());
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* parameter)
{
    if (parameter == nullptr || parameter->Identifier() == nullptr || GetParameterByID (parameter->Identifier()) != nullptr)
        return;

    parameter->SetAutomationDelegate (mAutomationDelegate);
    mParameters.emplace_back (parameter);
    mParametersMap.emplace (std::string (parameter->Identifier()), parameter);
}

// In index order; each parameter unregisters itself from the host as it goes.
void AAX_CParameterManager::RemoveAllParameters()
{
    for (auto& parameter : mParameters)
        parameter.reset();
    mParameters.clear();
    mParametersMap.clear();
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID id)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager&> (*this).GetParameterByID (id));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID id) const
{
    if (id == nullptr)
        return nullptr;
    const auto found = mParametersMap.find (std::string (id));
    return found != mParametersMap.end() ? found->second : nullptr;
}

std::int32_t AAX_CParameterManager::GetParameterIndex (AAX_CParamID id) const
{
    if (id == nullptr)
        return -1;
    for (std::size_t i = 0; i < mParameters.size(); ++i)
        if (std::strcmp (mParameters[i]->Identifier(), id) == 0)
            return static_cast<std::int32_t> (i);
    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (std::int32_t index)
{
    return const_cast<AAX_IParameter*> (static_cast<const AAX_CParameterManager&> (*this).GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (std::int32_t index) const
{
    if (index < 0 || index >= NumParameters())
        return nullptr;
    return mParameters[static_cast<std::size_t> (index)].get();
}
