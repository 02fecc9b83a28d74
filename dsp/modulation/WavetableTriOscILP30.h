#pragma once

#include "OscBaseClass.h"

// The flanger LFO: a unipolar triangle bent by a logarithmic warp, read from a
// 1024-point table with linear interpolation; a second table holds the warped
// inverted triangle for the right channel of a stereo spread. The read
// position is a double: in float its rounding makes slow LFOs at high sample
// rates run measurably off their rate.
class WavetableTriOscILP30 final : public OscBaseClass
{
public:
    static constexpr int tableSize = 1024;

    WavetableTriOscILP30();
    ~WavetableTriOscILP30() override;

    void resetCoeffs() override;
    // Target increment from the frequency; the increment glides to it. A
    // frequency that would step outside 0..1024 table positions per sample
    // (negative, not a number, at or above the sample rate) gives 0, so
    // every table read stays inside the tables.
    void calc() override;

    float getOscSignal() override
    {
        float a;
        getOscSignal (a);
        return a;
    }

    void getOscSignal (float& a) noexcept
    {
        const Position p = advance();
        a = p.frac * tableA[p.next] + (1.0f - p.frac) * tableA[p.index];
    }

    // a from the triangle, b from the inverted triangle at the same position.
    void getOscSignal (float& a, float& b) noexcept
    {
        const Position p = advance();
        a = p.frac * tableA[p.next] + (1.0f - p.frac) * tableA[p.index];
        b = p.frac * tableB[p.next] + (1.0f - p.frac) * tableB[p.index];
    }

    float getTableA (int i) const noexcept { return tableA[i]; }
    float getTableB (int i) const noexcept { return tableB[i]; }
    double getCurrentIncrement() const noexcept { return currentIncrement; }
    float getTargetIncrement() const noexcept { return targetIncrement; }

private:
    struct Position
    {
        int index;
        int next;
        float frac;
    };

    // Steps the increment glide, returns where to read and moves on.
    Position advance() noexcept
    {
        if (! (targetIncrement == lastTargetIncrement))
        {
            glideStep = (static_cast<double> (targetIncrement) - currentIncrement) * static_cast<double> (inverseGlideLength);
            glideCounter = 0;
            lastTargetIncrement = targetIncrement;
        }

        if (glideCounter < glideLength)
        {
            ++glideCounter;
            currentIncrement += glideStep;
            // Land exactly, or the rate stays off by the rounding of the steps.
            if (glideCounter == glideLength)
                currentIncrement = targetIncrement;
        }

        Position p;
        p.index = static_cast<int> (readPosition);
        p.frac = static_cast<float> (readPosition - p.index);
        p.next = p.index <= tableSize - 2 ? p.index + 1 : 0;

        readPosition += currentIncrement;
        if (readPosition >= tableSize)
            readPosition -= tableSize;
        return p;
    }

    float tableA[tableSize];
    float tableB[tableSize];
    double readPosition = 0.0;
};
