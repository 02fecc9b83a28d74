#pragma once

// What the module entry points forward to. Each returns an AAX result and
// may throw; the exported entry points catch everything.

#include "ACF/AAX_ACFTypes.h"

#include <cstdint>

class AAX_ICollection;

// Supplied by the plug-in: fills the collection through its operations and
// returns 0, or a result that is handed to the host as it is.
AAX_Result GetEffectDescriptions (AAX_ICollection* collection);

inline constexpr std::uint64_t AAX_SDK_VERSION = 0x0000020200B45B38ull;

// The collection the description filled, as the plug-in definition, with
// one reference. A failed description leaves *definition untouched; a host
// without a collection, or one whose collection is no plug-in definition,
// gets null and -20004.
AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** definition);
AAX_Result AAXRegisterComponent (IACFUnknown* host, std::uint32_t index, IACFComponentDefinition** definition);
AAX_Result AAXGetClassFactory (IACFUnknown* host, const acfCLSID& component, const acfIID& iid, void** factory);
AAX_Result AAXCanUnloadNow (IACFUnknown* host);
AAX_Result AAXStartup (IACFUnknown* host);
AAX_Result AAXShutdown (IACFUnknown* host);
AAX_Result AAXGetSDKVersion (std::uint64_t* version);
