#pragma once

#include "AudioEffectX.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>

// An effect whose overrides write their name and arguments to a log and give
// recognisable answers: ints answer -5 (to show sign extension), booleans true.
class CallLog
{
public:
    template <typename... Args>
    void note (const char* name, Args... args)
    {
        std::ostringstream out;
        out << name << '(';
        [[maybe_unused]] const char* separator = "";
        ((out << separator << argument (args), separator = ","), ...);
        out << ')';
        text += text.empty() ? out.str() : " " + out.str();
    }

    std::string text;

private:
    template <typename T>
    static std::string argument (T value)
    {
        std::ostringstream out;
        if constexpr (std::is_pointer_v<T>)
            out << (value != nullptr ? "ptr" : "null");
        else
            out << value;
        return out.str();
    }
};

class ProbeEditor : public AudioEffectEditor
{
public:
    explicit ProbeEditor (CallLog& logToUse) : log (logToUse) {}

    bool getRect (VstEditorRect** rect) override { return log.note ("getRect", rect), true; }
    bool open (void* window) override { return log.note ("editorOpen", window), true; }
    void close() override { log.note ("editorClose"); }
    void idle() override { log.note ("editorIdle"); }
    bool onKeyDown (VstKeyRecord& k) override { return log.note ("keyDown", k.character, +k.virtualKey, +k.modifiers), true; }
    bool onKeyUp (VstKeyRecord& k) override { return log.note ("keyUp", k.character, +k.virtualKey, +k.modifiers), true; }
    bool setKnobMode (int mode) override { return log.note ("knobMode", mode), true; }

private:
    CallLog& log;
};

class ProbeEffect : public AudioEffectX
{
public:
    static constexpr int programs = 4, parameters = 3;
    static constexpr int answer = -5;

    explicit ProbeEffect (VstHostCallback callback = nullptr) : AudioEffectX (callback, programs, parameters) {}
    ~ProbeEffect() override
    {
        if (deleted != nullptr)
            *deleted = true;
    }

    void attachEditor() { editor = new ProbeEditor (log); }
    using AudioEffect::hasFlag;

    CallLog log;
    bool* deleted = nullptr;
    bool throwOnOpen = false;
    char chunk[100] = {};
    int chunkSize = sizeof (chunk);
    int midiEventAnswer = 0;

    void open() override
    {
        log.note ("open");
        if (throwOnOpen)
            throw std::runtime_error ("open failed");
    }
    void close() override { log.note ("close"); }
    void suspend() override { log.note ("suspend"); }
    void resume() override
    {
        log.note ("resume");
        AudioEffectX::resume();
    }
    void setSampleRate (float rate) override { log.note ("setSampleRate", rate); }
    void setBlockSize (int size) override { log.note ("setBlockSize", size); }
    void processReplacing (float** in, float** out, int frames) override { log.note ("processReplacing", in, out, frames); }
    void setParameter (int i, float v) override { log.note ("setParameter", i, v); }
    float getParameter (int i) override { return log.note ("getParameter", i), 0.5f; }
    int getProgram() override { return log.note ("getProgram"), answer; }
    void setProgram (int p) override { log.note ("setProgram", p); }
    void setProgramName (char* t) override { log.note ("setProgramName", t); }
    void getProgramName (char* t) override { log.note ("getProgramName", t); }
    void getParameterLabel (int i, char* t) override { log.note ("getParameterLabel", i, t); }
    void getParameterDisplay (int i, char* t) override { log.note ("getParameterDisplay", i, t); }
    void getParameterName (int i, char* t) override { log.note ("getParameterName", i, t); }
    int getChunk (void** data, bool preset) override
    {
        log.note ("getChunk", data, preset);
        *data = chunk;
        return chunkSize;
    }
    int setChunk (void* data, int size, bool preset) override { return log.note ("setChunk", data, size, preset), answer; }

    int processEvents (VstEvents* e) override { return log.note ("processEvents", e), answer; }
    bool canParameterBeAutomated (int i) override { return log.note ("canParameterBeAutomated", i), true; }
    bool string2parameter (int i, char* t) override { return log.note ("string2parameter", i, t), true; }
    bool getProgramNameIndexed (int c, int i, char* t) override { return log.note ("getProgramNameIndexed", c, i, t), true; }
    bool getInputProperties (int i, VstPinProperties* p) override { return log.note ("getInputProperties", i, p), true; }
    bool getOutputProperties (int i, VstPinProperties* p) override { return log.note ("getOutputProperties", i, p), true; }
    int getPlugCategory() override { return log.note ("getPlugCategory"), answer; }
    bool offlineNotify (VstAudioFile* f, int n, bool s) override { return log.note ("offlineNotify", f, n, s), true; }
    bool offlinePrepare (VstOfflineTask* t, int n) override { return log.note ("offlinePrepare", t, n), true; }
    bool offlineRun (VstOfflineTask* t, int n) override { return log.note ("offlineRun", t, n), true; }
    bool processVariableIo (VstVariableIo* io) override { return log.note ("processVariableIo", io), true; }
    bool setSpeakerArrangement (VstSpeakerArrangement* i, VstSpeakerArrangement* o) override
    {
        return log.note ("setSpeakerArrangement", i, o), true;
    }
    bool setBypass (bool b) override { return log.note ("setBypass", b), true; }
    bool getEffectName (char* t) override { return log.note ("getEffectName", t), true; }
    bool getVendorString (char* t) override { return log.note ("getVendorString", t), true; }
    bool getProductString (char* t) override { return log.note ("getProductString", t), true; }
    int getVendorVersion() override { return log.note ("getVendorVersion"), answer; }
    std::intptr_t vendorSpecific (int i, std::intptr_t v, void* p, float o) override
    {
        return log.note ("vendorSpecific", i, v, p, o), std::intptr_t { 0x123456789 };
    }
    int canDo (const char* t) override
    {
        if (std::string (t) == "receiveVstMidiEvent")
            return midiEventAnswer;
        return log.note ("canDo", t), answer;
    }
    int getGetTailSize() override { return log.note ("getGetTailSize"), answer; }
    bool getParameterProperties (int i, VstParameterProperties* p) override { return log.note ("getParameterProperties", i, p), true; }
    int getVstVersion() override { return log.note ("getVstVersion"), answer; }
    int getMidiProgramName (int c, MidiProgramName* n) override { return log.note ("getMidiProgramName", c, n), answer; }
    int getCurrentMidiProgram (int c, MidiProgramName* n) override { return log.note ("getCurrentMidiProgram", c, n), answer; }
    int getMidiProgramCategory (int c, MidiProgramCategory* n) override { return log.note ("getMidiProgramCategory", c, n), answer; }
    bool hasMidiProgramsChanged (int c) override { return log.note ("hasMidiProgramsChanged", c), true; }
    bool getMidiKeyName (int c, MidiKeyName* n) override { return log.note ("getMidiKeyName", c, n), true; }
    bool beginSetProgram() override { return log.note ("beginSetProgram"), true; }
    bool endSetProgram() override { return log.note ("endSetProgram"), true; }
    bool getSpeakerArrangement (VstSpeakerArrangement** i, VstSpeakerArrangement** o) override
    {
        return log.note ("getSpeakerArrangement", i, o), true;
    }
    int getNextShellPlugin (char* t) override { return log.note ("getNextShellPlugin", t), answer; }
    int startProcess() override { return log.note ("startProcess"), answer; }
    int stopProcess() override { return log.note ("stopProcess"), answer; }
    int setTotalSampleToProcess (int v) override { return log.note ("setTotalSampleToProcess", v), v; }
    bool setPanLaw (int t, float v) override { return log.note ("setPanLaw", t, v), true; }
    int beginLoadBank (VstPatchChunkInfo* p) override { return log.note ("beginLoadBank", p), answer; }
    int beginLoadProgram (VstPatchChunkInfo* p) override { return log.note ("beginLoadProgram", p), answer; }
    bool setProcessPrecision (int p) override { return log.note ("setProcessPrecision", p), true; }
    int getNumMidiInputChannels() override { return log.note ("getNumMidiInputChannels"), answer; }
    int getNumMidiOutputChannels() override { return log.note ("getNumMidiOutputChannels"), answer; }
};
