#pragma once

// Base of an effect's editor object for AAX hosts: binds to the host's
// controller, transport, effect parameters and view container; the derived
// class makes and removes the view itself.

#include "AAX_IEffectGUI.h"

#include <memory>

class AAX_IViewContainer;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

class AAX_CEffectGUI : public AAX_IEffectGUI
{
public:
    AAX_CEffectGUI();

    // -20011 for a null host (the controller wrapper is made all the same).
    AAX_Result Initialize (IACFUnknown* host) override;
    AAX_Result Uninitialize() override;
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, std::uint32_t size) override;
    // A container: wrap it, make the view and push every parameter to it.
    // Null: forget the container, then remove the view.
    AAX_Result SetViewContainer (IACFUnknown* container) override;
    AAX_Result GetViewSize (AAX_Point* outSize) const override;
    AAX_Result Draw (AAX_Rect* area) override;
    AAX_Result TimerWakeup() override;
    AAX_Result ParameterUpdated (AAX_CParamID id) override;
    AAX_Result GetCustomLabel (AAX_EPlugInStrings which, AAX_IString* outLabel) const override;
    AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean highlighted, AAX_EHighlightColor color) override;
    ~AAX_CEffectGUI() override;

    std::int32_t GetViewContainerType();
    void* GetViewContainerPtr();
    AAX_IACFEffectParameters* GetEffectParameters() const { return effectParameters; }
    AAX_IViewContainer* GetViewContainer() const;

protected:
    virtual void CreateViewContents() = 0;
    virtual void CreateViewContainer() = 0;
    virtual void DeleteViewContainer() = 0;

public:
    // ParameterUpdated for every parameter the effect reports, in index order.
    virtual void UpdateAllParameters();

private:
    void releaseEffectParameters();

    std::unique_ptr<AAX_VController> controller;
    AAX_IACFEffectParameters* effectParameters = nullptr; // one counted reference
    std::unique_ptr<AAX_VViewContainer> viewContainer;
    std::unique_ptr<AAX_VTransport> transport;
};
