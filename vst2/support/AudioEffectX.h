#pragma once

#include "AudioEffect.h"

#include <cstdint>

// The extended VST 2 plug-in base: the opcodes from 25 on, the extended host
// calls, speaker arrangements and the defaults a subclass overrides.
class AudioEffectX : public AudioEffect
{
public:
    AudioEffectX (VstHostCallback callback, int programCount, int parameterCount);

    std::intptr_t dispatcher (int opcode, int index, std::intptr_t value, void* ptr, float opt) override;
    void resume() override;

    virtual bool canParameterBeAutomated (int index);
    virtual bool string2parameter (int index, char* text);
    virtual bool getParameterProperties (int index, VstParameterProperties* properties);
    virtual bool beginEdit (int index);
    virtual bool endEdit (int index);
    virtual bool getProgramNameIndexed (int category, int index, char* text);
    virtual bool beginSetProgram();
    virtual bool endSetProgram();
    virtual int beginLoadBank (VstPatchChunkInfo* info);
    virtual int beginLoadProgram (VstPatchChunkInfo* info);

    virtual bool ioChanged();
    virtual double updateSampleRate();
    virtual int updateBlockSize();
    virtual int getInputLatency();
    virtual int getOutputLatency();
    virtual bool getInputProperties (int index, VstPinProperties* properties);
    virtual bool getOutputProperties (int index, VstPinProperties* properties);
    virtual bool setSpeakerArrangement (VstSpeakerArrangement* pluginInput, VstSpeakerArrangement* pluginOutput);
    virtual bool getSpeakerArrangement (VstSpeakerArrangement** pluginInput, VstSpeakerArrangement** pluginOutput);
    virtual bool setBypass (bool onOff);
    virtual bool setPanLaw (int type, float value);
    virtual bool setProcessPrecision (int precision);
    virtual int getNumMidiInputChannels();
    virtual int getNumMidiOutputChannels();

    virtual VstHostTimeInfo* getTimeInfo (int filter);
    virtual int getCurrentProcessLevel();
    virtual int getAutomationState();
    virtual int processEvents (VstEvents* events);
    virtual int startProcess();
    virtual int stopProcess();
    virtual bool processVariableIo (VstVariableIo* io);
    virtual int setTotalSampleToProcess (int value);

    virtual bool getHostVendorString (char* text);
    virtual bool getHostProductString (char* text);
    virtual int getHostVendorVersion();
    virtual std::intptr_t hostVendorSpecific (int arg1, std::intptr_t arg2, void* ptrArg, float floatArg);
    virtual int canHostDo (const char* text);
    virtual int getHostLanguage();

    virtual void isSynth (bool state = true);
    virtual void noTail (bool state = true);
    virtual int getGetTailSize();
    virtual void* getDirectory();
    virtual bool getEffectName (char* name);
    virtual bool getVendorString (char* text);
    virtual bool getProductString (char* text);
    virtual int getVendorVersion();
    virtual std::intptr_t vendorSpecific (int index, std::intptr_t value, void* ptr, float opt);
    virtual int canDo (const char* text);
    virtual int getVstVersion();
    virtual int getPlugCategory();

    virtual int getMidiProgramName (int channel, MidiProgramName* name);
    virtual int getCurrentMidiProgram (int channel, MidiProgramName* current);
    virtual int getMidiProgramCategory (int channel, MidiProgramCategory* category);
    virtual bool hasMidiProgramsChanged (int channel);
    virtual bool getMidiKeyName (int channel, MidiKeyName* keyName);

    virtual bool updateDisplay();
    virtual bool sizeWindow (int width, int height);
    virtual bool openFileSelector (VstFileSelectorRecord* select);
    virtual bool closeFileSelector (VstFileSelectorRecord* select);
    virtual int getNextShellPlugin (char* name);

    virtual bool allocateArrangement (VstSpeakerArrangement** arrangement, int channels);
    virtual bool deallocateArrangement (VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker (VstSpeakerProperties* to, VstSpeakerProperties* from);
    virtual bool matchArrangement (VstSpeakerArrangement** to, VstSpeakerArrangement* from);

    virtual bool offlineRead (VstOfflineTask* offline, int option, bool readSource = true);
    virtual bool offlineWrite (VstOfflineTask* offline, int option);
    virtual bool offlineStart (VstAudioFile* audioFiles, int numAudioFiles, int numNewAudioFiles);
    virtual int offlineGetCurrentPass();
    virtual int offlineGetCurrentMetaPass();
    virtual bool offlineNotify (VstAudioFile* ptr, int numAudioFiles, bool start);
    virtual bool offlinePrepare (VstOfflineTask* offline, int count);
    virtual bool offlineRun (VstOfflineTask* offline, int count);
    virtual int offlineGetNumPasses();
    virtual int offlineGetNumMetaPasses();

    virtual void __wantEventsDeprecated (int filter = 1);
    virtual int __tempoAtDeprecated (int pos);
    virtual int __getNumAutomatableParametersDeprecated();
    virtual int __getParameterQuantizationDeprecated();
    virtual int __getNumCategoriesDeprecated();
    virtual bool __copyProgramDeprecated (int destination);
    virtual bool __needIdleDeprecated();
    virtual AEffect* __getPreviousPlugDeprecated (int input);
    virtual AEffect* __getNextPlugDeprecated (int output);
    virtual void __inputConnectedDeprecated (int index, bool state);
    virtual void __outputConnectedDeprecated (int index, bool state);
    virtual int __willProcessReplacingDeprecated();
    virtual void __wantAsyncOperationDeprecated (bool state = true);
    virtual void __hasExternalBufferDeprecated (bool state = true);
    virtual int __reportCurrentPositionDeprecated();
    virtual float* __reportDestinationBufferDeprecated();
    virtual void __setOutputSamplerateDeprecated (float rate);
    virtual VstSpeakerArrangement* __getInputSpeakerArrangementDeprecated();
    virtual VstSpeakerArrangement* __getOutputSpeakerArrangementDeprecated();
    virtual void* __openWindowDeprecated (VstWindowRecord* window);
    virtual bool __closeWindowDeprecated (VstWindowRecord* window);
    virtual void __setBlockSizeAndSampleRateDeprecated (int newBlockSize, float newSampleRate);
    virtual bool __getErrorTextDeprecated (char* text);
    virtual void* __getIconDeprecated();
    virtual bool __setViewPositionDeprecated (int x, int y);
    virtual int __fxIdleDeprecated();
    virtual bool __keysRequiredDeprecated();
    virtual bool __getChunkFileDeprecated (void* nativePath);

protected:
    // A speaker arrangement from the host is usable when absent or when its
    // channel count is not negative.
    static bool isUsableArrangement (const VstSpeakerArrangement* arrangement);
    static bool isMidiChannel (int channel);
};
