#pragma once

#include "AudioEffectEditor.h"
#include "VstHostInterface.h"

#include <cstdint>

// Base of a VST 2 plug-in: owns the effect record the host holds, turns the
// host's calls through it into virtual operations, and wraps the calls back
// into the host. Everything coming from the host is checked here before it
// reaches an override, so subclasses may index their arrays with it.
class AudioEffect
{
public:
    // Largest chunk handed to or accepted from a host.
    static constexpr std::intptr_t maxChunkSize = 1 << 20;

    AudioEffect (VstHostCallback callback, int programCount, int parameterCount);
    virtual ~AudioEffect();

    AudioEffect (const AudioEffect&) = delete;
    AudioEffect& operator= (const AudioEffect&) = delete;

    // Entry functions stored in the record.
    static std::intptr_t dispatchEffectClass (AEffect* e, int opcode, int index, std::intptr_t value, void* ptr,
                                              float opt);
    static float getParameterClass (AEffect* e, int index);
    static void setParameterClass (AEffect* e, int index, float value);
    static void __processClassDeprecated (AEffect* e, float** inputs, float** outputs, int sampleFrames);
    static void processClassReplacing (AEffect* e, float** inputs, float** outputs, int sampleFrames);
    static void processClassDoubleReplacing (AEffect* e, double** inputs, double** outputs, int sampleFrames);

    virtual std::intptr_t dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt);

    virtual void open();
    virtual void close();
    virtual void suspend();
    virtual void resume();

    virtual void setSampleRate (float newSampleRate);
    virtual void setBlockSize (int newBlockSize);

    virtual void processReplacing (float** inputs, float** outputs, int sampleFrames) = 0;
    virtual void processDoubleReplacing (double** inputs, double** outputs, int sampleFrames);

    virtual void setParameter (int index, float value);
    virtual float getParameter (int index);
    virtual void setParameterAutomated (int index, float value);

    virtual int getProgram();
    virtual void setProgram (int program);
    virtual void setProgramName (char* name);
    virtual void getProgramName (char* name);

    virtual void getParameterLabel (int index, char* label);
    virtual void getParameterDisplay (int index, char* text);
    virtual void getParameterName (int index, char* text);

    virtual int getChunk (void** data, bool isPreset = false);
    virtual int setChunk (void* data, int byteSize, bool isPreset = false);

    virtual void setUniqueID (int id);
    virtual void setNumInputs (int inputs);
    virtual void setNumOutputs (int outputs);
    virtual void canProcessReplacing (bool state = true);
    virtual void canDoubleReplacing (bool state = true);
    virtual void programsAreChunks (bool state = true);
    virtual void setInitialDelay (int delay);

    virtual AudioEffectEditor* getEditor();
    virtual AEffect* getAeffect();
    virtual float getSampleRate();
    virtual int getBlockSize();

    virtual int getMasterVersion();
    virtual int getCurrentUniqueId();
    virtual void masterIdle();

    // Value-to-text: each writes at most maxLen characters and a terminator at
    // text[maxLen], never beyond.
    virtual void dB2string (float value, char* text, int maxLen);
    virtual void Hz2string (float samples, char* text, int maxLen);
    virtual void ms2string (float samples, char* text, int maxLen);
    virtual void float2string (float value, char* text, int maxLen);
    virtual void int2string (int value, char* text, int maxLen);

    virtual void __processDeprecated (float** inputs, float** outputs, int sampleFrames);
    virtual float __getVuDeprecated();
    virtual void __hasVuDeprecated (bool state = true);
    virtual void __hasClipDeprecated (bool state = true);
    virtual void __canMonoDeprecated (bool state = true);
    virtual void __setRealtimeQualitiesDeprecated (int qualities);
    virtual void __setOfflineQualitiesDeprecated (int qualities);
    virtual bool __isInputConnectedDeprecated (int input);
    virtual bool __isOutputConnectedDeprecated (int output);

protected:
    // Calls the host, or answers 0 when there is none.
    std::intptr_t callHost (int opcode, int index = 0, std::intptr_t value = 0, void* ptr = nullptr,
                            float opt = 0.0f);
    void setFlag (int flag, bool state);
    bool hasFlag (int flag) const;

    // Host-supplied indices, checked against the counts the record shows.
    bool isParameterIndex (std::intptr_t index) const;
    bool isProgramIndex (std::intptr_t index) const;

    VstHostCallback hostCallback;
    AudioEffectEditor* editor = nullptr; // owned
    float sampleRate = 44100.0f;
    int blockSize = 1024;
    int numPrograms;
    int numParams;
    int curProgram = 0;
    AEffect cEffect;
};
