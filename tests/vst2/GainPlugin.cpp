// A small VST 2 plug-in on AudioEffectX for the test host: stereo gain with
// one parameter, its texts, one program and a chunk holding the gain.
#include "AudioEffectX.h"

#include <cstring>

namespace
{
class GainEffect : public AudioEffectX
{
public:
    explicit GainEffect (VstHostCallback host) : AudioEffectX (host, 1, 1)
    {
        setNumInputs (2);
        setNumOutputs (2);
        setUniqueID (0x4761696e);
        programsAreChunks();
    }

    void processReplacing (float** inputs, float** outputs, int sampleFrames) override
    {
        const float gain = 2.0f * value;
        for (int channel = 0; channel < 2; ++channel)
            for (int i = 0; i < sampleFrames; ++i)
                outputs[channel][i] = gain * inputs[channel][i];
    }

    void setParameter (int, float newValue) override { value = newValue; }
    float getParameter (int) override { return value; }
    void getParameterName (int, char* text) override { std::strcpy (text, "Gain"); }
    void getParameterLabel (int, char* text) override { std::strcpy (text, "dB"); }
    void getParameterDisplay (int, char* text) override { dB2string (2.0f * value, text, 8); }
    void getProgramName (char* text) override { std::strcpy (text, "Unity"); }
    bool getEffectName (char* text) override { return std::strcpy (text, "Test Gain"), true; }

    int getChunk (void** data, bool) override
    {
        *data = &value;
        return sizeof (value);
    }

    int setChunk (void* data, int byteSize, bool) override
    {
        if (byteSize != sizeof (value))
            return 0;
        std::memcpy (&value, data, sizeof (value));
        return 1;
    }

private:
    float value = 0.5f;
};
} // namespace

extern "C" __attribute__ ((visibility ("default"))) AEffect* VSTPluginMain (VstHostCallback host)
{
    return (new GainEffect (host))->getAeffect();
}
