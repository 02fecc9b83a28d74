#pragma once

// The seven functions a plug-in module exports under exactly these unmangled
// names. A host looks them up, calls ACFStartup first and ACFShutdown last.

#include "ACFBase.h"

#include <cstdint>

#define ACF_EXPORT __attribute__ ((visibility ("default")))

extern "C"
{
    ACF_EXPORT ACFRESULT ACFRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definition);
    ACF_EXPORT ACFRESULT ACFRegisterComponent (IACFUnknown* host, std::uint32_t index,
                                               IACFComponentDefinition** definition);
    ACF_EXPORT ACFRESULT ACFGetClassFactory (IACFUnknown* host, const acfCLSID& component, const acfIID& iid,
                                             void** factory);
    ACF_EXPORT ACFRESULT ACFCanUnloadNow (IACFUnknown* host); // 0: nothing of the module is alive
    ACF_EXPORT ACFRESULT ACFStartup (IACFUnknown* host);
    ACF_EXPORT ACFRESULT ACFShutdown (IACFUnknown* host);
    ACF_EXPORT ACFRESULT ACFGetSDKVersion (std::uint64_t* version);
}

using ACFRegisterPluginProc = ACFRESULT (*) (IACFUnknown*, IACFPluginDefinition**);
using ACFRegisterComponentProc = ACFRESULT (*) (IACFUnknown*, std::uint32_t, IACFComponentDefinition**);
using ACFGetClassFactoryProc = ACFRESULT (*) (IACFUnknown*, const acfCLSID&, const acfIID&, void**);
using ACFCanUnloadNowProc = ACFRESULT (*) (IACFUnknown*);
using ACFStartupProc = ACFRESULT (*) (IACFUnknown*);
using ACFShutdownProc = ACFRESULT (*) (IACFUnknown*);
using ACFGetSDKVersionProc = ACFRESULT (*) (std::uint64_t*);
