#include "WavetableTriOscILP30.h"

#include <cmath>

namespace
{
// g(u) = ln (X / (X - (X - 1) u)) / ln X, in float: rises from 0 to 1, slowly
// at first and faster towards 1.
float warp (float u)
{
    const float x = 2.2313356f;
    const float xMinusOne = 1.2313356f;
    return std::log (x / (xMinusOne - (u * xMinusOne + (-1.0f)))) / std::log (x);
}
} // namespace

WavetableTriOscILP30::WavetableTriOscILP30()
{
    for (int i = 0; i < tableSize; ++i)
    {
        const float t = static_cast<float> (i) * 0.0009765625f;
        const float tri = t < 0.5f ? t + t : (t + (-0.5f)) * (-2.0f) + 1.0f;
        tableA[i] = warp (tri);
        tableB[i] = warp (1.0f - tri);
    }
}

WavetableTriOscILP30::~WavetableTriOscILP30() = default;

void WavetableTriOscILP30::resetCoeffs()
{
    frequency = 0.0f;
    amplitude = 1.0f;
    glideCounter = 0;
    readPosition = 0.0;
}

void WavetableTriOscILP30::calc()
{
    const float increment = frequency * 1024.0f / sampleRate;
    targetIncrement = increment >= 0.0f && increment < 1024.0f ? increment : 0.0f;
}
