#include "ModuleBase.h"

ModuleBase::ModuleBase() { name = "ModuleBase"; }
ModuleBase::~ModuleBase() = default;
