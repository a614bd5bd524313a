#pragma once

#include <cstdint>

#include "Export.h"
#include "FIR.h"

namespace QuorvelZenth {

// An FIR filter whose taps Setup derives from a response tabulated at
// arbitrary ascending time stamps: an impulse response is resampled with a
// four-point cubic spline, a step response differentiated through a
// three-point parabola, onto the grid of 1 / SampleRate, and every tap is
// scaled by that spacing. After Setup the block filters as its base does.
//
// Setup rewrites ResponseTimeStamps in place so that they start at 0. The
// block owns the taps it computes: a later Setup replaces them and the
// destructor frees them; Finalize leaves them.
class QZ_EXPORT TimeResponseFIR : public FIR<double, 0> {
public:
    static constexpr std::int32_t ImpulseResponse = 0;
    static constexpr std::int32_t StepResponse = 1;
    // Guards against a response duration or sample rate that would ask for
    // an absurd amount of memory; real responses need a few thousand taps.
    static constexpr std::int32_t MaxTapCount = 262144;

    double* Response = nullptr;            // owned by the owner
    double* ResponseTimeStamps = nullptr;  // owned by the owner, shifted by Setup
    std::int32_t ResponseCount = 0;
    std::int32_t TimeStampCount = 0;
    std::int32_t ResponseType = StepResponse;
    double SampleRate = 1.0e12;  // taps per time unit of the stamps

    TimeResponseFIR();
    // A copy owns a copy of the computed taps.
    TimeResponseFIR(const TimeResponseFIR& other);
    TimeResponseFIR& operator=(const TimeResponseFIR& other);
    ~TimeResponseFIR() override;

    bool Setup() override;

private:
    // Slope at t of the parabola through (x[i], y[i]), i = 0, 1, 2.
    double AnalyticalDifferntiation(double t, const double* x, const double* y) const;

    bool CheckResponse();
    bool ShiftTimeStamps();
    void ComputeTaps(double* taps, std::int32_t tapCount) const;

    double* ownedTaps = nullptr;
    std::int32_t ownedTapCount = 0;
};

}  // namespace QuorvelZenth
