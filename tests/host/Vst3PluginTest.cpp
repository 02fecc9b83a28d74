// The built bundle, loaded the way a host loads it (JUCE's VST3 hosting): the
// checks of every format, and those only VST3 has.
#include "PluginSuite.h"
#include "PresetPathText.h"
#include "Vst3Hosting.h"

#include <functional>
#include <thread>

using namespace vst3hosting;

namespace
{
juce::AudioProcessor::BusesLayout layoutOf (int ins, int outs)
{
    juce::AudioProcessor::BusesLayout layout;
    layout.inputBuses.add (juce::AudioChannelSet::canonicalChannelSet (ins));
    layout.outputBuses.add (juce::AudioChannelSet::canonicalChannelSet (outs));
    return layout;
}

juce::AudioProcessorParameter& param (juce::AudioPluginInstance& plugin, int i) { return *plugin.getParameters()[i]; }

void runMessageLoop()
{
    while (juce::dispatchNextMessageOnSystemQueue (true))
    {
    }
}

} // namespace

// The plug-in in JUCE's hosting, with a transport at 100 BPM; the host's
// message loop runs its editor.
struct Vst3Format : private juce::AudioPlayHead
{
    Vst3Format()
    {
        if ((plugin = load()) != nullptr)
            plugin->setPlayHead (this);
    }
    ~Vst3Format() override { editor.reset(); }

    std::string error() const { return plugin != nullptr ? "" : "not loaded"; }

    pluginsuite::Description describe()
    {
        const auto d = vst3hosting::describe();
        const auto version = juce::StringArray::fromTokens (d.version, ".", "");
        pluginsuite::Description result { d.name.toStdString(), d.manufacturerName.toStdString(),
                                          (version[0].getIntValue() << 16) | (version[1].getIntValue() << 8) | version[2].getIntValue(),
                                          {} };
        for (auto* parameter : plugin->getParameters())
            result.parameterNames.push_back (parameter->getName (100).toStdString());
        return result;
    }

    bool takes (int ins, int outs) const { return plugin->checkBusesLayoutSupported (layoutOf (ins, outs)); }

    bool start (int ins, int outs, const std::vector<float>& values, double rate = pluginsuite::hostRate)
    {
        if (plugin == nullptr || ! plugin->setBusesLayout (layoutOf (ins, outs)))
            return false;
        for (std::size_t i = 0; i < values.size(); ++i)
            set (static_cast<int> (i), values[i]);
        plugin->prepareToPlay (rate, pluginsuite::hostBlock);
        numIns = ins;
        return true;
    }

    void set (int index, float value) { param (*plugin, index).setValueNotifyingHost (value); }
    float get (int index) { return param (*plugin, index).getValue(); }

    // JUCE's hosting plays in place: the inputs go into the output buffers first.
    void process (float* const* ins, float* const* outs, int frames)
    {
        const int numOuts = plugin->getTotalNumOutputChannels();
        for (int c = 0; c < numOuts; ++c)
            if (c >= numIns)
                std::fill_n (outs[c], frames, 0.0f);
            else if (outs[c] != ins[c])
                std::copy_n (ins[c], frames, outs[c]);
        juce::AudioBuffer<float> buffer (outs, numOuts, frames);
        juce::MidiBuffer midi;
        plugin->processBlock (buffer, midi);
    }

    // The plug-in's own state, inside the host state of JUCE's hosting.
    std::vector<char> state()
    {
        const auto block = pluginStateOf (stateOf (*plugin));
        const auto* bytes = static_cast<const char*> (block.getData());
        return { bytes, bytes + block.getSize() };
    }
    void setState (const std::vector<char>& bytes)
    {
        const auto block = hostState (bytes.data(), bytes.size());
        plugin->setStateInformation (block.getData(), static_cast<int> (block.getSize()));
    }

    bool openEditor (const HostWindow& window)
    {
        editor.reset (plugin->createEditorIfNeeded());
        if (editor == nullptr)
            return false;
        editor->setTopLeftPosition (0, 0);
        editor->addToDesktop (0, window.handle());
        editor->setVisible (true);
        return true;
    }
    void idle() { runMessageLoop(); }
    std::pair<int, int> editorSize() const { return { editor->getWidth(), editor->getHeight() }; }
    void closeEditor() { editor.reset(); }
    double tailSeconds() const { return plugin->getTailLengthSeconds(); }

    juce::Optional<PositionInfo> getPosition() const override
    {
        PositionInfo position;
        position.setBpm (100.0);
        return position;
    }

    std::unique_ptr<juce::AudioPluginInstance> plugin;
    std::unique_ptr<juce::AudioProcessorEditor> editor;
    int numIns = 2;
};

namespace
{
// Values the plug-in changes itself reach a VST3 host as output parameter
// changes of a processed block; the host re-reads them when the plug-in asks
// it to, through its message loop. Polled for five seconds at most.
bool eventually (juce::AudioPluginInstance& plugin, const std::function<bool()>& condition)
{
    juce::AudioBuffer<float> silence (2, 64);
    juce::MidiBuffer midi;
    plugin.prepareToPlay (48000.0, 64);
    for (int i = 0; i < 500 && ! condition(); ++i)
    {
        silence.clear();
        plugin.processBlock (silence, midi);
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
        runMessageLoop();
    }
    plugin.releaseResources();
    return condition();
}

// One second of two sines through the plug-in in blocks of 512.
juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin)
{
    juce::AudioBuffer<float> audio (2, 48000);
    for (int ch = 0; ch < 2; ++ch)
        for (int k = 0; k < audio.getNumSamples(); ++k)
            audio.setSample (ch, k, 0.3f * std::sin (0.0287f * float (k) + float (ch)) + 0.2f * std::sin (0.1718f * float (k)));
    plugin.prepareToPlay (48000.0, 512);
    juce::MidiBuffer midi;
    for (int start = 0; start < audio.getNumSamples(); start += 512)
    {
        juce::AudioBuffer<float> block (audio.getArrayOfWritePointers(), 2, start, std::min (512, audio.getNumSamples() - start));
        plugin.processBlock (block, midi);
    }
    plugin.releaseResources();
    return audio;
}
} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P (Vst3, PluginFormat, Vst3Format, pluginsuite::ByIndex);
INSTANTIATE_TYPED_TEST_SUITE_P (Vst3, PluginTail, Vst3Format, pluginsuite::ByIndex);

TEST (Vst3Plugin, DescriptionParametersAndPrograms)
{
    const auto d = describe();
    EXPECT_EQ (d.category, "Fx|Modulation");
    EXPECT_FALSE (d.isInstrument);
    EXPECT_EQ (d.numInputChannels + d.numOutputChannels, 4);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    EXPECT_FALSE (plugin->acceptsMidi() || plugin->producesMidi());
    EXPECT_TRUE (plugin->hasEditor());

    // Ours in order, then the wrapper's "Bypass" and "Program".
    ASSERT_EQ (plugin->getParameters().size(), 13);
    EXPECT_EQ (param (*plugin, 11).getName (100), "Bypass");
    EXPECT_EQ (param (*plugin, 3).getCurrentValueAsText(), "1.67");
    EXPECT_EQ (param (*plugin, 1).getText (0.5f, 100), "Type 2");
    EXPECT_FLOAT_EQ (param (*plugin, 2).getDefaultValue(), 0.2f);

    ASSERT_EQ (plugin->getNumPrograms(), 12);
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ (plugin->getProgramName (p), "Init");
}

TEST (Vst3Plugin, ProgramChangesShowInValuesAndAudio)
{
    PandrelTQ4418AudioProcessor bank; // program 3: another sound altogether
    const float jet[] = { 1.0f, 1.0f, 0.8f, 0.5f, 1.0f, 0.6f, 0.9f, 0.7f, 0.3f, 1.0f, 0.0f };
    std::copy (jet, jet + 11, bank.programs[3].values[0]);
    juce::MemoryBlock bankState;
    bank.getStateInformation (bankState);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const auto state = hostState (bankState.getData(), bankState.getSize());
    plugin->setStateInformation (state.getData(), (int) state.getSize());
    const auto before = render (*plugin);

    plugin->setCurrentProgram (3);
    EXPECT_TRUE (eventually (*plugin, [&] { return std::abs (param (*plugin, 2).getValue() - 0.8f) < 1e-6f; }));
    EXPECT_EQ (param (*plugin, 1).getCurrentValueAsText(), "Type 3");
    EXPECT_EQ (plugin->getCurrentProgram(), 3);

    // The plug-in's own timer switches the model: poll for the other sound.
    const auto switched = [&]
    {
        auto after = render (*plugin);
        after.addFrom (0, 0, before, 0, 0, after.getNumSamples(), -1.0f);
        return after.getRMSLevel (0, 0, after.getNumSamples()) > 0.05f;
    };
    bool done = switched();
    for (int i = 0; i < 500 && ! done; ++i)
    {
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
        done = switched();
    }
    EXPECT_TRUE (done);
}

TEST (Vst3Plugin, EveryProgramsValuesMoveToASecondInstance)
{
    auto valueFor = [] (int p, int i) { return i == 3 ? float (p + 2) / 18.0f : 0.05f * float (p + i); };
    auto first = load(), second = load();
    ASSERT_TRUE (first != nullptr && second != nullptr);
    for (int p : { 1, 5, 11 })
    {
        first->setCurrentProgram (p);
        for (int i = 2; i < 9; ++i)
            param (*first, i).setValueNotifyingHost (valueFor (p, i));
    }
    const auto state = stateOf (*first);
    second->setStateInformation (state.getData(), (int) state.getSize());
    EXPECT_EQ (stateOf (*second), state);

    for (int p : { 1, 5, 11 })
    {
        second->setCurrentProgram (p);
        EXPECT_TRUE (eventually (*second, [&]
                                 {
                                     for (int i = 2; i < 9; ++i)
                                         if (std::abs (param (*second, i).getValue() - valueFor (p, i)) >= 1e-5f)
                                             return false;
                                     return true;
                                 }))
            << "program " << p;
    }
}

// Another state whose 8-byte size before "JUCEPrivateData" (the wrapper's
// trailer) does not fit: refused whole; and junk for the host state itself.
TEST (Vst3Plugin, AStateWithADamagedTrailerIsRefusedWhole)
{
    Vst3Format plugin;
    ASSERT_TRUE (plugin.start (2, 2, {}));
    plugin.set (4, 0.3f);
    auto component = plugin.state();
    plugin.set (4, 0.9f);
    const auto before = plugin.state();

    ASSERT_EQ (std::string (component.end() - 15, component.end()), "JUCEPrivateData");
    for (juce::uint64 size : { 0x80000000ull, 0x7fffffffull, 0xffffffffull, 0x7fffffffffffffffull })
    {
        std::memcpy (component.data() + component.size() - 23, &size, 8);
        plugin.setState (component);
    }
    // Junk where the host's own state should be.
    const auto junk = pluginsuite::hostileStates (before).front();
    plugin.plugin->setStateInformation (junk.data(), static_cast<int> (junk.size()));
    EXPECT_EQ (plugin.state(), before);
    EXPECT_FLOAT_EQ (plugin.get (4), 0.9f);
}

// A folder unpacked with another encoding has a name in bytes that are no
// UTF-8: a preset path in it goes through the host's session byte for byte,
// and hosts are told the file's name.
TEST (Vst3Plugin, APresetPathThatIsNoUtf8KeepsItsBytesInTheHostsSession)
{
    const std::string paths[] { "Caf\xe9/B.mdtz", "\xff/B.mdtz", "a\200b/B.mdtz", "S\xc3/B.mdtz" };
    PandrelTQ4418AudioProcessor bank, restored;
    for (int k = 0; k < 4; ++k)
        bank.programs[k].name[0] = PresetPathText::fromBytes (paths[k]);
    juce::MemoryBlock bankState;
    bank.getStateInformation (bankState);

    auto first = load(), second = load();
    ASSERT_TRUE (first != nullptr && second != nullptr);
    const auto state = hostState (bankState.getData(), bankState.getSize());
    first->setStateInformation (state.getData(), (int) state.getSize());
    const auto session = stateOf (*first);
    second->setStateInformation (session.getData(), (int) session.getSize());
    const auto saved = pluginStateOf (stateOf (*second));

    const std::string text (static_cast<const char*> (saved.getData()), saved.getSize());
    EXPECT_NE (text.find ("presetPath=\"Caf%E9/B.mdtz\" presetPathEncoding=\"percent\""), std::string::npos);
    restored.setStateInformation (saved.getData(), (int) saved.getSize());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ (std::string (PresetPathText::bytesOf (restored.programs[k].name[0])), paths[k]) << k;

    // The names of the programs, as the wrapper's "Program" parameter gives them.
    auto& program = param (*second, 12);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ (program.getText (float (k) / 11.0f, 100), "B") << k;
    EXPECT_EQ (program.getText (1.0f, 100), "Init");
}
