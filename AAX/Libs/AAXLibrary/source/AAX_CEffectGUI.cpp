#include "AAX_CEffectGUI.h"

#include "ACF/AAX_ACFIdentifiers.h"
#include "AAX_CString.h"
#include "AAX_Errors.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

#include <utility>

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI() { AAX_CEffectGUI::Uninitialize(); }

AAX_Result AAX_CEffectGUI::Initialize (IACFUnknown* host)
{
    controller = std::make_unique<AAX_VController> (host);
    if (host == nullptr)
        return AAX_ERROR_NULL_HOST;

    void* parameters = nullptr;
    releaseEffectParameters();
    if (host->QueryInterface (IID_IAAXEffectParametersV1, &parameters) == ACF_OK)
        effectParameters = static_cast<AAX_IACFEffectParameters*> (parameters);

    transport = std::make_unique<AAX_VTransport> (host);
    CreateViewContents();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::Uninitialize()
{
    releaseEffectParameters();
    controller.reset();
    transport.reset();
    // Our wrapper of the host's container; the view itself is the derived
    // class's business and was removed through DeleteViewContainer.
    viewContainer.reset();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::NotificationReceived (AAX_CTypeID, const void*, std::uint32_t) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::SetViewContainer (IACFUnknown* container)
{
    if (container != nullptr)
    {
        viewContainer = std::make_unique<AAX_VViewContainer> (container);
        CreateViewContainer();
        UpdateAllParameters();
    }
    else
    {
        // The view may still reach the wrapper while it is taken down.
        const std::unique_ptr<AAX_VViewContainer> old = std::move (viewContainer);
        DeleteViewContainer();
    }
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectGUI::GetViewSize (AAX_Point*) const { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::Draw (AAX_Rect*) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::TimerWakeup() { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::ParameterUpdated (AAX_CParamID) { return AAX_SUCCESS; }

AAX_Result AAX_CEffectGUI::GetCustomLabel (AAX_EPlugInStrings, AAX_IString*) const { return AAX_ERROR_NULL_OBJECT; }

AAX_Result AAX_CEffectGUI::SetControlHighlightInfo (AAX_CParamID, AAX_CBoolean, AAX_EHighlightColor)
{
    return AAX_SUCCESS;
}

std::int32_t AAX_CEffectGUI::GetViewContainerType()
{
    return viewContainer != nullptr ? viewContainer->GetType() : AAX_eViewContainer_Type_NULL;
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const { return viewContainer.get(); }

void* AAX_CEffectGUI::GetViewContainerPtr() { return viewContainer != nullptr ? viewContainer->GetPtr() : nullptr; }

void AAX_CEffectGUI::UpdateAllParameters()
{
    if (effectParameters == nullptr)
        return;
    std::int32_t count = 0;
    if (effectParameters->GetNumberOfParameters (&count) != AAX_SUCCESS || count < 0)
        return;
    for (std::int32_t index = 0; index < count; ++index)
    {
        AAX_CString id;
        if (effectParameters->GetParameterIDFromIndex (index, &id) == AAX_SUCCESS)
            ParameterUpdated (id.Get());
    }
}

void AAX_CEffectGUI::releaseEffectParameters()
{
    if (auto* parameters = std::exchange (effectParameters, nullptr))
        parameters->Release();
}
