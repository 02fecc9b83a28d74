#pragma once

#include "AudioEffectX.h"

#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>

// An effect whose overrides write their name and arguments to a log and give
// recognisable answers: ints answer -5 (to show sign extension), booleans true.
// Only operations whose arguments the dispatcher checks or converts are here.
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

    bool onKeyDown (VstKeyRecord& k) override { return log.note ("keyDown", k.character, +k.virtualKey, +k.modifiers), true; }
    bool onKeyUp (VstKeyRecord& k) override { return log.note ("keyUp", k.character, +k.virtualKey, +k.modifiers), true; }

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
    void getParameterName (int i, char* t) override { log.note ("getParameterName", i, t); }
    int getChunk (void** data, bool preset) override
    {
        log.note ("getChunk", data, preset);
        *data = chunk;
        return chunkSize;
    }
    int setChunk (void* data, int size, bool preset) override { return log.note ("setChunk", data, size, preset), answer; }

    bool canParameterBeAutomated (int i) override { return log.note ("canParameterBeAutomated", i), true; }
    bool getProgramNameIndexed (int c, int i, char* t) override { return log.note ("getProgramNameIndexed", c, i, t), true; }
    bool getOutputProperties (int i, VstPinProperties* p) override { return log.note ("getOutputProperties", i, p), true; }
    int getPlugCategory() override { return log.note ("getPlugCategory"), answer; }
    bool offlineNotify (VstAudioFile* f, int n, bool s) override { return log.note ("offlineNotify", f, n, s), true; }
    bool setSpeakerArrangement (VstSpeakerArrangement* i, VstSpeakerArrangement* o) override
    {
        return log.note ("setSpeakerArrangement", i, o), true;
    }
    bool setBypass (bool b) override { return log.note ("setBypass", b), true; }
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
    bool getParameterProperties (int i, VstParameterProperties* p) override { return log.note ("getParameterProperties", i, p), true; }
    int getMidiProgramName (int c, MidiProgramName* n) override { return log.note ("getMidiProgramName", c, n), answer; }
    int getCurrentMidiProgram (int c, MidiProgramName* n) override { return log.note ("getCurrentMidiProgram", c, n), answer; }
    bool getSpeakerArrangement (VstSpeakerArrangement** i, VstSpeakerArrangement** o) override
    {
        return log.note ("getSpeakerArrangement", i, o), true;
    }
};
