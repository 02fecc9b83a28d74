// A module as the plug-in bundle builds it: the library, its entry points and
// a description of one effect, the way the plug-in describes itself.
#include "AAX_ICollection.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_Init.h"

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    auto* effect = collection->NewDescriptor();
    if (effect == nullptr)
        return -20004;
    effect->AddName ("Pandrel TQ4418");
    effect->AddCategory (AAX_ePlugInCategory_Modulation);
    collection->AddEffect ("com.morvid.PandrelTQ4418", effect);
    collection->SetManufacturerName ("Morvid");
    collection->AddPackageName ("TQ4418");
    collection->AddPackageName ("Pandrel TQ4418");
    collection->SetPackageVersion (0x10001);
    return 0;
}
