#pragma once

namespace pandrel
{
// pandrel bench presets: what the preset menu costs the message thread.
int runPresetBench (int argc, char** argv);
}
