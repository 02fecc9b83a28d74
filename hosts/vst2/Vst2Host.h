#pragma once

#include "HostCall.h"
#include "VstHostInterface.h"

#include <mutex>
#include <string>
#include <vector>

// Loads a VST 2 plug-in from a .so as a host does and drives it through its
// record: entry point, record checks, open, rate and block size, resume,
// processing, parameters, texts and chunks, close. Every call the plug-in
// makes back into the host is recorded.
class Vst2Host
{
public:
    explicit Vst2Host (const std::string& soPath, float sampleRate = 44100.0f, int blockSize = 512);
    ~Vst2Host();

    Vst2Host (const Vst2Host&) = delete;
    Vst2Host& operator= (const Vst2Host&) = delete;

    // Empty once the plug-in is loaded and its record looks right.
    const std::string& error() const { return problem; }
    AEffect* effect() const { return record; }

    std::intptr_t dispatch (int opcode, int index = 0, std::intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f);

    // Opens the plug-in, hands it rate and block size and resumes it.
    void start();
    // Processes whole channel buffers in blocks of the host's block size;
    // outputs may be the inputs themselves (in place).
    void process (std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs);

    float getParameter (int index);
    void setParameter (int index, float value);
    std::string text (int opcode, int index = 0);

    std::vector<char> getChunk (bool preset);
    std::intptr_t setChunk (std::vector<char> data, bool preset);

    // Closes and deletes the plug-in instance; the record is gone afterwards.
    void close();

    // How many calls with this opcode the plug-in made.
    int count (int opcode) const;

    std::vector<HostCall> calls; // what the plug-in asked of the host
    VstHostTimeInfo* timeInfo = nullptr; // the answer to the get-time call
    const float sampleRate;
    const int blockSize;

private:
    static std::intptr_t callback (AEffect* e, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                                   void* ptr, float opt);
    std::intptr_t answer (AEffect* e, int opcode, int index, std::intptr_t value, void* ptr, float opt);

    mutable std::mutex callsLock; // a plug-in may call from threads of its own
    void* library = nullptr;
    AEffect* record = nullptr;
    std::string problem;
};
