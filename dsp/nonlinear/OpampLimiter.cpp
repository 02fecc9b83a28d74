#include "OpampLimiter.h"

OpampLimiter::OpampLimiter() = default;
OpampLimiter::~OpampLimiter() = default;
