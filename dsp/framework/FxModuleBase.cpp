#include "FxModuleBase.h"

FxModuleBase::FxModuleBase() { name = "FxModuleBase"; }
FxModuleBase::~FxModuleBase() = default;
