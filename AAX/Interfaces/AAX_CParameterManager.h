#pragma once

// The parameters of one effect instance, owned, found by identifier or by
// index. The order of addition is the index the host and the state chunk see.

#include "AAX_IParameter.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_CParameterManager
{
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    // The delegate every parameter added from now on gets.
    void Initialize (AAX_IAutomationDelegate* delegate);

    std::int32_t NumParameters() const;

    // Takes ownership, unless parameter is null or its identifier is already
    // taken: then the caller keeps it.
    void AddParameter (AAX_IParameter* parameter);
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID (AAX_CParamID id);
    const AAX_IParameter* GetParameterByID (AAX_CParamID id) const;
    std::int32_t GetParameterIndex (AAX_CParamID id) const;
    AAX_IParameter* GetParameter (std::int32_t index);
    const AAX_IParameter* GetParameter (std::int32_t index) const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<std::unique_ptr<AAX_IParameter>> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersMap;
};
