#include "Vst2Host.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

namespace
{
// The plug-in may call the host from its entry point, before the record's
// user field leads back to the host.
thread_local Vst2Host* hostBeingLoaded = nullptr;
} // namespace

Vst2Host::Vst2Host (const std::string& soPath, float rate, int size) : sampleRate (rate), blockSize (size)
{
    library = dlopen (soPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
    {
        problem = std::string ("cannot load: ") + dlerror();
        return;
    }
    auto entry = reinterpret_cast<VstPluginEntry> (dlsym (library, "VSTPluginMain"));
    if (entry == nullptr)
    {
        problem = "no VSTPluginMain";
        return;
    }

    hostBeingLoaded = this;
    record = entry (callback);
    hostBeingLoaded = nullptr;

    if (record == nullptr)
        problem = "the entry point answered no record";
    else if (record->magic != kVstEffectMagic)
        problem = "the record has no VST 2 magic";
    else if (record->dispatcher == nullptr || record->setParameter == nullptr || record->getParameter == nullptr
             || record->processReplacing == nullptr || (record->flags & VstEffectFlag::canReplacing) == 0)
        problem = "the record lacks an entry function";
    else if (record->numInputs < 0 || record->numOutputs < 0 || record->numParams < 0 || record->numPrograms < 0)
        problem = "the record has negative counts";
    if (! problem.empty())
        record = nullptr;
    else
        record->user = this;
}

Vst2Host::~Vst2Host()
{
    close();
    if (library != nullptr)
        dlclose (library);
}

std::intptr_t Vst2Host::callback (AEffect* e, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                                      void* ptr, float opt)
{
    auto* host = e != nullptr && e->user != nullptr ? static_cast<Vst2Host*> (e->user) : hostBeingLoaded;
    return host != nullptr ? host->answer (e, opcode, index, value, ptr, opt) : 0;
}

std::intptr_t Vst2Host::answer (AEffect*, int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    {
        const std::lock_guard<std::mutex> lock (callsLock);
        calls.push_back ({ opcode, index, value, ptr, opt });
    }
    switch (opcode)
    {
        case VstHostOpcode::getTime: return reinterpret_cast<std::intptr_t> (timeInfo);
        case VstHostOpcode::version: return kVstInterfaceVersion;
        case VstHostOpcode::getSampleRate: return static_cast<std::intptr_t> (sampleRate);
        case VstHostOpcode::getBlockSize: return blockSize;
        default: return 0;
    }
}

int Vst2Host::count (int opcode) const
{
    const std::lock_guard<std::mutex> lock (callsLock);
    return static_cast<int> (std::count_if (calls.begin(), calls.end(), [opcode] (const HostCall& c) { return c.opcode == opcode; }));
}

std::intptr_t Vst2Host::dispatch (int opcode, int index, std::intptr_t value, void* ptr, float opt)
{
    return record != nullptr ? record->dispatcher (record, opcode, index, value, ptr, opt) : 0;
}

void Vst2Host::start()
{
    dispatch (VstEffectOpcode::open);
    dispatch (VstEffectOpcode::setSampleRate, 0, 0, nullptr, sampleRate);
    dispatch (VstEffectOpcode::setBlockSize, 0, blockSize);
    dispatch (VstEffectOpcode::setActive, 0, 1);
}

void Vst2Host::process (std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs)
{
    if (record == nullptr)
        return;
    // The plug-in reads and writes as many channels as its record says: those
    // the caller has none for are silence in, and go nowhere out.
    const auto length = outputs.empty() ? std::size_t {} : outputs[0].size();
    const auto block = static_cast<std::size_t> (blockSize);
    std::vector<float> silence (block), nowhere (block);
    std::vector<float*> in (std::max (inputs.size(), static_cast<std::size_t> (record->numInputs)), silence.data());
    std::vector<float*> out (std::max (outputs.size(), static_cast<std::size_t> (record->numOutputs)), nowhere.data());
    for (std::size_t start = 0; start < length; start += block)
    {
        const auto frames = std::min (length - start, block);
        for (std::size_t c = 0; c < inputs.size(); ++c)
            in[c] = inputs[c].data() + start;
        for (std::size_t c = 0; c < outputs.size(); ++c)
            out[c] = outputs[c].data() + start;
        record->processReplacing (record, in.data(), out.data(), static_cast<int> (frames));
    }
}

float Vst2Host::getParameter (int index)
{
    return record != nullptr ? record->getParameter (record, index) : 0.0f;
}

void Vst2Host::setParameter (int index, float value)
{
    if (record != nullptr)
        record->setParameter (record, index, value);
}

std::string Vst2Host::text (int opcode, int index)
{
    char buffer[256] = {};
    dispatch (opcode, index, 0, buffer);
    return std::string (buffer, strnlen (buffer, sizeof (buffer) - 1));
}

std::vector<char> Vst2Host::getChunk (bool preset)
{
    void* data = nullptr;
    const auto size = dispatch (VstEffectOpcode::getChunk, preset ? 1 : 0, 0, &data);
    if (data == nullptr || size <= 0)
        return {};
    const auto* bytes = static_cast<const char*> (data);
    return std::vector<char> (bytes, bytes + size);
}

std::intptr_t Vst2Host::setChunk (std::vector<char> data, bool preset)
{
    return dispatch (VstEffectOpcode::setChunk, preset ? 1 : 0, static_cast<std::intptr_t> (data.size()), data.data());
}

void Vst2Host::close()
{
    if (record == nullptr)
        return;
    dispatch (VstEffectOpcode::setActive, 0, 0);
    dispatch (VstEffectOpcode::close);
    record = nullptr;
}
