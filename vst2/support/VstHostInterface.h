#pragma once

// The binary interface between a VST 2 host and a plug-in, as far as this
// plug-in uses it: the effect record the host holds, the entry-function and
// callback types, the opcode and flag numbers, and the speaker-arrangement
// records. Layouts are those of a 64-bit build; the static_asserts below pin
// every offset the host reads.

#include <cstddef>
#include <cstdint>

static_assert (sizeof (void*) == 8, "the effect record layout is that of a 64-bit build");

struct AEffect;

// Records the host and plug-in only pass by pointer here; their contents are
// the business of whoever overrides the operation that receives them.
struct VstEvents;
struct VstPinProperties;
struct VstParameterProperties;
struct VstPatchChunkInfo;
struct VstAudioFile;
struct VstOfflineTask;
struct VstVariableIo;
struct MidiProgramName;
struct MidiProgramCategory;
struct MidiKeyName;
struct VstFileSelectorRecord; // argument of the host's file-selector calls
struct VstWindowRecord;       // argument of the host's deprecated window calls

using VstHostCallback = std::intptr_t (*) (AEffect* effect, std::int32_t opcode, std::int32_t index,
                                           std::intptr_t value, void* ptr, float opt);
using VstDispatcherEntry = std::intptr_t (*) (AEffect* effect, std::int32_t opcode, std::int32_t index,
                                              std::intptr_t value, void* ptr, float opt);
using VstProcessEntry = void (*) (AEffect* effect, float** inputs, float** outputs, std::int32_t sampleFrames);
using VstProcessDoubleEntry = void (*) (AEffect* effect, double** inputs, double** outputs,
                                        std::int32_t sampleFrames);
using VstSetParameterEntry = void (*) (AEffect* effect, std::int32_t index, float value);
using VstGetParameterEntry = float (*) (AEffect* effect, std::int32_t index);

// The exported function a host looks up and calls first.
using VstPluginEntry = AEffect* (*) (VstHostCallback hostCallback);

// The record the host holds for one plug-in instance.
struct AEffect
{
    std::int32_t magic;
    VstDispatcherEntry dispatcher;
    VstProcessEntry processAccumulatingDeprecated;
    VstSetParameterEntry setParameter;
    VstGetParameterEntry getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    std::intptr_t reserved1;
    std::intptr_t reserved2;
    std::int32_t initialDelay;
    std::int32_t realtimeQualitiesDeprecated;
    std::int32_t offlineQualitiesDeprecated;
    float ioRatio;
    void* object;
    void* user;
    std::int32_t uniqueID;
    std::int32_t version;
    VstProcessEntry processReplacing;
    VstProcessDoubleEntry processDoubleReplacing;
    char future[56];
};

static_assert (sizeof (AEffect) == 192);
static_assert (offsetof (AEffect, dispatcher) == 8);
static_assert (offsetof (AEffect, setParameter) == 24);
static_assert (offsetof (AEffect, numPrograms) == 40);
static_assert (offsetof (AEffect, flags) == 56);
static_assert (offsetof (AEffect, initialDelay) == 80);
static_assert (offsetof (AEffect, ioRatio) == 92);
static_assert (offsetof (AEffect, object) == 96);
static_assert (offsetof (AEffect, uniqueID) == 112);
static_assert (offsetof (AEffect, processReplacing) == 120);
static_assert (offsetof (AEffect, processDoubleReplacing) == 128);
static_assert (offsetof (AEffect, future) == 136);

constexpr std::int32_t kVstEffectMagic = 0x56737450;    // "VstP"
constexpr std::int32_t kVstDefaultUniqueId = 0x4E6F4566; // "NoEf"
constexpr std::int32_t kVstIdentifyAnswer = 0x4E764566;  // "NvEf"
constexpr std::int32_t kVstInterfaceVersion = 2400;

// Bits of AEffect::flags.
namespace VstEffectFlag
{
enum : std::int32_t
{
    hasEditor = 1,
    hasClipDeprecated = 2,
    hasVuDeprecated = 4,
    canMonoDeprecated = 8,
    canReplacing = 16,
    programChunks = 32,
    isSynth = 256,
    noSoundInStop = 512,
    extIsAsyncDeprecated = 1024,
    extHasBufferDeprecated = 2048,
    canDoubleReplacing = 4096,
};
}

// Host-to-plug-in opcodes (the dispatcher's first argument).
namespace VstEffectOpcode
{
enum : std::int32_t
{
    open = 0,
    close = 1,
    setProgram = 2,
    getProgram = 3,
    setProgramName = 4,
    getProgramName = 5,
    getParameterLabel = 6,
    getParameterDisplay = 7,
    getParameterName = 8,
    setSampleRate = 10,
    setBlockSize = 11,
    setActive = 12,
    editorGetRect = 13,
    editorOpen = 14,
    editorClose = 15,
    editorIdle = 19,
    identify = 22,
    getChunk = 23,
    setChunk = 24,
    processEvents = 25,
    canBeAutomated = 26,
    stringToParameter = 27,
    getProgramNameIndexed = 29,
    getInputProperties = 33,
    getOutputProperties = 34,
    getPlugCategory = 35,
    offlineNotify = 38,
    offlinePrepare = 39,
    offlineRun = 40,
    processVariableIo = 41,
    setSpeakerArrangement = 42,
    setBypass = 44,
    getEffectName = 45,
    getVendorString = 47,
    getProductString = 48,
    getVendorVersion = 49,
    vendorSpecific = 50,
    canDo = 51,
    getTailSize = 52,
    getParameterProperties = 56,
    getVstVersion = 58,
    editorKeyDown = 59,
    editorKeyUp = 60,
    setEditKnobMode = 61,
    getMidiProgramName = 62,
    getCurrentMidiProgram = 63,
    getMidiProgramCategory = 64,
    hasMidiProgramsChanged = 65,
    getMidiKeyName = 66,
    beginSetProgram = 67,
    endSetProgram = 68,
    getSpeakerArrangement = 69,
    getNextShellPlugin = 70,
    startProcess = 71,
    stopProcess = 72,
    setTotalSampleToProcess = 73,
    setPanLaw = 74,
    beginLoadBank = 75,
    beginLoadProgram = 76,
    setProcessPrecision = 77,
    getNumMidiInputChannels = 78,
    getNumMidiOutputChannels = 79,
};
}

// Plug-in-to-host opcodes (the host callback's second argument).
namespace VstHostOpcode
{
enum : std::int32_t
{
    automate = 0,
    version = 1,
    currentId = 2,
    idle = 3,
    pinConnectedDeprecated = 4,
    wantMidiDeprecated = 6,
    getTime = 7,
    tempoAtDeprecated = 10,
    getNumAutomatableParametersDeprecated = 11,
    getParameterQuantizationDeprecated = 12,
    ioChanged = 13,
    needIdleDeprecated = 14,
    sizeWindow = 15,
    getSampleRate = 16,
    getBlockSize = 17,
    getInputLatency = 18,
    getOutputLatency = 19,
    getPreviousPlugDeprecated = 20,
    getNextPlugDeprecated = 21,
    willReplaceDeprecated = 22,
    getCurrentProcessLevel = 23,
    getAutomationState = 24,
    offlineStart = 25,
    offlineRead = 26,
    offlineWrite = 27,
    offlineGetCurrentPass = 28,
    offlineGetCurrentMetaPass = 29,
    setOutputSampleRateDeprecated = 30,
    getOutputSpeakerArrangementDeprecated = 31,
    getVendorString = 32,
    getProductString = 33,
    getVendorVersion = 34,
    vendorSpecific = 35,
    canDo = 37,
    getLanguage = 38,
    openWindowDeprecated = 39,
    closeWindowDeprecated = 40,
    getDirectory = 41,
    updateDisplay = 42,
    beginEdit = 43,
    endEdit = 44,
    openFileSelector = 45,
    closeFileSelector = 46,
    getChunkFileDeprecated = 48,
    getInputSpeakerArrangementDeprecated = 49,
};
}

// Answers of the plug-in's category query.
namespace VstCategory
{
enum : std::int32_t
{
    unknown = 0,
    effect = 1,
    synth = 2,
};
}

// Values of the precision argument of setProcessPrecision.
namespace VstPrecision
{
enum : std::int32_t
{
    singleFloat = 0,
    doubleFloat = 1,
};
}

//==============================================================================
// Interoperability layouts: records a host and a plug-in exchange besides the
// effect record. Their layouts follow the binary convention VST 2 hosts use on
// 64-bit Linux; the static_asserts pin it.

// The host's answer to the get-time call: where the transport is and how fast
// it moves. A field is meaningful only when its flag below is set (the sample
// position and rate always are).
struct VstHostTimeInfo
{
    double samplePosition;
    double sampleRate;
    double systemTimeNanoseconds;
    double ppqPosition;        // quarter notes since the timeline's start
    double tempo;              // quarter notes per minute
    double barStartPosition;   // ppq position of the current bar's start
    double cycleStartPosition; // loop start, in ppq
    double cycleEndPosition;   // loop end, in ppq
    std::int32_t timeSignatureNumerator;
    std::int32_t timeSignatureDenominator;
    std::int32_t smpteOffset;
    std::int32_t smpteFrameRate;
    std::int32_t samplesToNextClock;
    std::int32_t flags;
};

static_assert (sizeof (VstHostTimeInfo) == 88);
static_assert (offsetof (VstHostTimeInfo, sampleRate) == 8);
static_assert (offsetof (VstHostTimeInfo, ppqPosition) == 24);
static_assert (offsetof (VstHostTimeInfo, tempo) == 32);
static_assert (offsetof (VstHostTimeInfo, barStartPosition) == 40);
static_assert (offsetof (VstHostTimeInfo, timeSignatureNumerator) == 64);
static_assert (offsetof (VstHostTimeInfo, flags) == 84);

// Bits of VstHostTimeInfo::flags; the "valid" bits are also the filter a
// plug-in passes to the get-time call to say which fields it wants.
namespace VstTimeInfoFlag
{
enum : std::int32_t
{
    transportChanged = 1,
    transportPlaying = 2,
    cycleActive = 4,
    transportRecording = 8,
    nanosecondsValid = 1 << 8,
    ppqPositionValid = 1 << 9,
    tempoValid = 1 << 10,
    barsValid = 1 << 11,
    cyclePositionValid = 1 << 12,
    timeSignatureValid = 1 << 13,
};
}

// The editor's rectangle as a host asks for it, in pixels.
struct VstEditorRect
{
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

static_assert (sizeof (VstEditorRect) == 8);
static_assert (offsetof (VstEditorRect, bottom) == 4);

// Values of VstSpeakerArrangement::type and VstSpeakerProperties::type used
// for the plug-in's channel layouts.
namespace VstArrangementType
{
enum : std::int32_t
{
    userDefined = -2,
    empty = -1,
    mono = 0,
    stereo = 1,
};
}

namespace VstSpeakerType
{
enum : std::int32_t
{
    mono = 0,
    left = 1,
    right = 2,
};
}

// One speaker of an arrangement.
struct VstSpeakerProperties
{
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    std::int32_t type;
    char future[28];
};

static_assert (sizeof (VstSpeakerProperties) == 112);
static_assert (offsetof (VstSpeakerProperties, name) == 16);
static_assert (offsetof (VstSpeakerProperties, type) == 80);
static_assert (offsetof (VstSpeakerProperties, future) == 84);

// A channel layout: a header followed by one speaker per channel. A block
// holds exactly numChannels speakers, however many the declaration shows: size
// blocks with vstSpeakerArrangementBytes and reach speakers through vstSpeaker.
struct VstSpeakerArrangement
{
    std::int32_t type;
    std::int32_t numChannels;
    VstSpeakerProperties speakers[1];
};

static_assert (offsetof (VstSpeakerArrangement, numChannels) == 4);
static_assert (offsetof (VstSpeakerArrangement, speakers) == 8);

constexpr std::size_t vstSpeakerArrangementBytes (std::size_t channels)
{
    return offsetof (VstSpeakerArrangement, speakers) + sizeof (VstSpeakerProperties) * channels;
}

inline VstSpeakerProperties* vstSpeaker (VstSpeakerArrangement* arrangement, std::size_t channel)
{
    return reinterpret_cast<VstSpeakerProperties*> (reinterpret_cast<char*> (arrangement)
                                                    + vstSpeakerArrangementBytes (channel));
}
