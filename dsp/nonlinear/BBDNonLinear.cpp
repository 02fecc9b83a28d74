#include "BBDNonLinear.h"

BBDNonLinear::BBDNonLinear() = default;
BBDNonLinear::~BBDNonLinear() = default;
