#pragma once

namespace pandrel
{
// pandrel bench plugin: the whole processor's cost per stereo frame at 48 kHz.
int runPluginBench (int argc, char** argv);
}
