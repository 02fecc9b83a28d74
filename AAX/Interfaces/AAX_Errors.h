#pragma once

// The result codes of the AAX layer: 0 is success, every other value a
// failure. No operation of the library reports failure in any other way.

#include "ACF/AAX_ACFTypes.h"

enum AAX_EError : AAX_Result
{
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,      // no parameter has the identifier
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002, // value text cannot be made or read, or no output string
    AAX_ERROR_NULL_OBJECT = -20004,               // a needed object or host interface is missing
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    AAX_ERROR_UNIMPLEMENTED = -20009,             // not supported, or the host's interface is too old
    AAX_ERROR_NULL_HOST = -20011,                 // a GUI initialised without a host object
    AAX_ERROR_INVALID_STEP_COUNT = -20033,        // a parameter reports a negative number of steps
    AAX_ERROR_CHUNK_WRITE = -333,                 // chunk data cannot be written
    AAX_ERROR_NO_INTERFACE = ACF_E_NOINTERFACE,   // the object does not offer the interface
    AAX_ERROR_UNEXPECTED = ACF_E_UNEXPECTED       // an exception reached a module entry point
};
