#include "ModelCrossfade.h"

void ModelCrossfade::start (int16_t fadeLength)
{
    xfadeGain = 1.0f;
    xfadeStep = -1.0f / static_cast<float> (fadeLength);
}

void ModelCrossfade::stop()
{
    xfadeGain = 1.0f;
    xfadeStep = 0.0f;
}

bool ModelCrossfade::mix (float* left, float* right, const float* altLeft, const float* altRight, int n)
{
    bool finished = false;

    for (int k = 0; k < n; ++k)
    {
        if (xfadeGain > floor)
        {
            xfadeGain += xfadeStep;
            if (xfadeGain <= floor)
            {
                xfadeGain = 0.0f;
                finished = true;
            }
        }

        const float g = xfadeGain;
        left[k] = g * left[k] + (1.0f - g) * altLeft[k];
        if (right != nullptr)
            right[k] = g * right[k] + (1.0f - g) * altRight[k];
    }

    return finished;
}
