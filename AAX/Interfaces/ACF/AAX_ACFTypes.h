#pragma once

// Value types and records that cross between an AAX host and the plug-in:
// results, identifiers of parameters and properties, the text interface, the
// state chunk record and the shapes of the processing callbacks.

#include "ACFBase.h"

#include <cstddef>
#include <cstdint>

// 0 is success; the values a plug-in reports are in AAX_Errors.h.
using AAX_Result = std::int32_t;

using AAX_CBoolean = std::uint8_t;
using AAX_CTypeID = std::uint32_t;       // four-character codes: chunk, notification, meter IDs
using AAX_CParamID = const char*;         // a parameter's identifier text
using AAX_CFieldIndex = std::int32_t;     // index of a field of the context record, or a packet port
using AAX_CSampleRate = float;
using AAX_CTimeOfDay = std::int64_t;      // host clock, in samples
using AAX_CTransportCounter = std::int64_t;
using AAX_CPropertyValue = std::int32_t;
using AAX_CTargetPlatform = std::int32_t;
using AAX_CSelector = std::uint32_t;      // a host's handle of a registered process proc

// A property of a descriptor's property map. The values lie within 10..401,
// the range a duplicated property map carries over.
enum AAX_EProperty : std::int32_t
{
    AAX_eProperty_NoID = 0,
    AAX_eProperty_MinProp = 10,
    AAX_eProperty_ManufacturerID = 10,
    AAX_eProperty_ProductID = 11,
    AAX_eProperty_PlugInID_Native = 12,
    AAX_eProperty_PlugInID_AudioSuite = 13,
    AAX_eProperty_InputStemFormat = 40,
    AAX_eProperty_OutputStemFormat = 41,
    AAX_eProperty_SideChainStemFormat = 42,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_UsesClientGUI = 61,
    AAX_eProperty_LatencyContribution = 62,
    AAX_eProperty_AudioBufferLength = 63,
    AAX_eProperty_SupportsSaveRestore = 64,
    AAX_eProperty_Constraint_Location = 80,
    AAX_eProperty_Constraint_AlwaysProcess = 81,
    AAX_eProperty_SampleRate = 100,
    AAX_eProperty_PlugInID_Deprecated = 400,
    AAX_eProperty_MaxProp = 401
};

// Stem (channel layout) formats: channel count in the low 16 bits, layout
// number in the high 16 bits.
enum AAX_EStemFormat : std::int32_t
{
    AAX_eStemFormat_None = 0x00000000,
    AAX_eStemFormat_Mono = 0x00000001,
    AAX_eStemFormat_Stereo = 0x00010002,
    AAX_eStemFormat_Any = -1
};

constexpr std::int32_t AAX_STEM_FORMAT_CHANNEL_COUNT (std::int32_t format) { return format & 0xFFFF; }

enum AAX_EParameterType : std::int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

using AAX_EParameterOrientation = std::int32_t; // flags passed through to the host

enum AAX_EUpdateSource : std::int32_t
{
    AAX_eUpdateSource_Unspecified = 0,
    AAX_eUpdateSource_Parameter = 1,
    AAX_eUpdateSource_Chunk = 2,
    AAX_eUpdateSource_Delay = 3
};

// Labels a host may ask a GUI for.
enum AAX_EPlugInStrings : std::int32_t
{
    AAX_ePlugInStrings_Analysis = 0,
    AAX_ePlugInStrings_MonoMode = 1,
    AAX_ePlugInStrings_MultiInputMode = 2,
    AAX_ePlugInStrings_ClipIndicator = 3
};

enum AAX_EHighlightColor : std::int32_t
{
    AAX_eHighlightColor_Red = 0,
    AAX_eHighlightColor_Blue = 1,
    AAX_eHighlightColor_Green = 2,
    AAX_eHighlightColor_Yellow = 3
};

enum AAX_ETracePriorityHost : std::int32_t
{
    AAX_eTracePriorityHost_None = 0,
    AAX_eTracePriorityHost_Critical = 0x10000000,
    AAX_eTracePriorityHost_High = 0x08000000,
    AAX_eTracePriorityHost_Normal = 0x04000000,
    AAX_eTracePriorityHost_Low = 0x02000000,
    AAX_eTracePriorityHost_Lowest = 0x01000000
};

// The native view a host's view container holds.
enum AAX_EViewContainer_Type : std::int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_X11Window = 1 // GetPtr is the X11 Window id, widened to a pointer
};

enum AAX_EDataInPortType : std::int32_t
{
    AAX_eDataInPortType_Unbuffered = 0,
    AAX_eDataInPortType_Buffered = 1,
    AAX_eDataInPortType_Incremental = 2
};

enum AAX_EDmaMode : std::int32_t
{
    AAX_eDmaMode_None = 0,
    AAX_eDmaMode_Burst = 1,
    AAX_eDmaMode_Scatter = 2,
    AAX_eDmaMode_Gather = 3
};

enum AAX_EMIDINodeType : std::int32_t
{
    AAX_eMIDINodeType_LocalInput = 0,
    AAX_eMIDINodeType_LocalOutput = 1,
    AAX_eMIDINodeType_Global = 2,
    AAX_eMIDINodeType_Transport = 3
};

enum AAX_EResourceType : std::int32_t
{
    AAX_eResourceType_None = 0,
    AAX_eResourceType_PageTable = 1,
    AAX_eResourceType_PageTableDir = 2
};

enum AAX_EPrivateDataOptions : std::uint32_t
{
    AAX_ePrivateDataOptions_DefaultOptions = 0,
    AAX_ePrivateDataOptions_KeepOnReset = 1
};

enum AAX_EFrameRate : std::int32_t
{
    AAX_eFrameRate_Undeclared = 0,
    AAX_eFrameRate_24Frame = 1,
    AAX_eFrameRate_25Frame = 2,
    AAX_eFrameRate_30Frame = 4
};

enum AAX_EFeetFramesRate : std::int32_t
{
    AAX_eFeetFramesRate_23976 = 0,
    AAX_eFeetFramesRate_24 = 1,
    AAX_eFeetFramesRate_25 = 2
};

// Effect categories, a bit each.
enum AAX_EPlugInCategory : std::uint32_t
{
    AAX_ePlugInCategory_None = 0,
    AAX_ePlugInCategory_EQ = 1u << 0,
    AAX_ePlugInCategory_Dynamics = 1u << 1,
    AAX_ePlugInCategory_PitchShift = 1u << 2,
    AAX_ePlugInCategory_Reverb = 1u << 3,
    AAX_ePlugInCategory_Delay = 1u << 4,
    AAX_ePlugInCategory_Modulation = 1u << 5,
    AAX_ePlugInCategory_Harmonic = 1u << 6
};

struct AAX_Point
{
    float vert = 0.0f;
    float horz = 0.0f;
};

struct AAX_Rect
{
    float top = 0.0f;
    float left = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

struct AAX_CMidiPacket
{
    std::uint32_t mTimestamp; // sample offset within the block
    std::uint32_t mLength;    // bytes used of mData
    std::uint8_t mData[4];
    AAX_CBoolean mIsImmediate;
};

// Identifies a plug-in type to the host (property-map ID arrays).
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};

// Opaque record of a hybrid render request; only passed by pointer.
struct AAX_SHybridRenderInfo;

// A state chunk: a 56-byte header and the data area right after it. The host
// allocates the record with room for fSize data bytes.
struct AAX_SPlugInChunk
{
    std::int32_t fSize;      // bytes in the data area
    std::int32_t fVersion;
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    char fName[32];
    char fData[1];
};

static_assert (offsetof (AAX_SPlugInChunk, fSize) == 0);
static_assert (offsetof (AAX_SPlugInChunk, fVersion) == 4);
static_assert (offsetof (AAX_SPlugInChunk, fManufacturerID) == 8);
static_assert (offsetof (AAX_SPlugInChunk, fChunkID) == 20);
static_assert (offsetof (AAX_SPlugInChunk, fName) == 24);
static_assert (offsetof (AAX_SPlugInChunk, fData) == 56, "the chunk header is 56 bytes");

constexpr std::size_t AAX_PLUGIN_CHUNK_HEADER_SIZE = offsetof (AAX_SPlugInChunk, fData);

// Text handed across the boundary (names, value texts, identifiers).
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;
    virtual std::uint32_t Length() const = 0;
    virtual std::uint32_t MaxLength() const = 0;
    virtual const char* Get() const = 0;
    virtual void Set (const char* text) = 0;
    virtual AAX_IString& operator= (const AAX_IString& other) = 0;
    virtual AAX_IString& operator= (const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};

// Processing. The host keeps one context record per instance: field i holds
// the pointer of whatever the component declared at field index i (audio
// buffers, packet data, private data). A process proc gets the records of a
// run of instances, [begin, end).
using AAX_CContextRecord = void* const*;
using AAX_CProcessProc = void (*) (const AAX_CContextRecord instancesBegin[], const void* instancesEnd);
using AAX_CInstanceInitProc = std::int32_t (*) (AAX_CContextRecord instance, const void* commonData,
                                                std::int32_t action);
using AAX_CBackgroundProc = std::int32_t (*)();

enum AAX_EInstanceInitAction : std::int32_t
{
    AAX_eInstanceInitAction_AddingNewInstance = 0,
    AAX_eInstanceInitAction_RemovingInstance = 1,
    AAX_eInstanceInitAction_ResetInstance = 2
};

// Creates a plug-in object (effect parameters, GUI) with one reference.
using AAX_CCreateObjectProc = IACFUnknown* (*) ();

// Names under which an effect descriptor registers its creators.
using AAX_CProcPtrID = const char*;
inline constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectParameters = "CreateEffectParameters";
inline constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectGUI = "CreateEffectGUI";
