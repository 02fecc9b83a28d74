// A module as the plug-in bundle builds it: the library and its entry points,
// with a description that adds nothing (the bundle's own is tested in the
// stand-in host).
#include "AAX_Init.h"

AAX_Result GetEffectDescriptions (AAX_ICollection*) { return 0; }
