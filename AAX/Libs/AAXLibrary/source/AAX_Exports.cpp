// The module entry points. Nothing may unwind into the host: any exception
// becomes ACF_E_UNEXPECTED, and nothing else is done about it.
#include "ACF/ACFModule.h"
#include "AAX_Init.h"

namespace
{
template <class Call>
ACFRESULT guarded (Call&& call) noexcept
{
    try
    {
        return call();
    }
    catch (...)
    {
        return ACF_E_UNEXPECTED;
    }
}
} // namespace

extern "C"
{
    ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definition)
    {
        return guarded ([&] { return AAXRegisterPlugin (host, definition); });
    }

    ACFRESULT ACFRegisterComponent (IACFUnknown* host, std::uint32_t index, IACFComponentDefinition** definition)
    {
        return guarded ([&] { return AAXRegisterComponent (host, index, definition); });
    }

    ACFRESULT ACFGetClassFactory (IACFUnknown* host, const acfCLSID& component, const acfIID& iid, void** factory)
    {
        return guarded ([&] { return AAXGetClassFactory (host, component, iid, factory); });
    }

    ACFRESULT ACFCanUnloadNow (IACFUnknown* host)
    {
        return guarded ([&] { return AAXCanUnloadNow (host); });
    }

    ACFRESULT ACFStartup (IACFUnknown* host)
    {
        return guarded ([&] { return AAXStartup (host); });
    }

    ACFRESULT ACFShutdown (IACFUnknown* host)
    {
        return guarded ([&] { return AAXShutdown (host); });
    }

    ACFRESULT ACFGetSDKVersion (std::uint64_t* version)
    {
        return guarded ([&] { return AAXGetSDKVersion (version); });
    }
}
