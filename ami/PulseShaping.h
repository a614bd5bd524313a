// The column arithmetic of the linear-mode shaping: a one-bit pulse through
// the filtered impulse response, the limiter's compression at its peak.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "ModelDescription.h"

namespace QuorvelZenth {

// The bit pattern 0, 1, 0 at levels -0.5 / +0.5, samplesPerBit samples each.
std::vector<double> MakePulse(std::int32_t samplesPerBit);

// y[n] = dt x sum over k of pulse[n - k] x column[k], summed in increasing k
// over the terms that exist; length pulse + rows - 1.
std::vector<double> ConvolvePulse(const std::vector<double>& pulse, const double* column,
                                  std::size_t rows, double dt);

// The largest value, starting from -1e12; a NaN never wins.
double PeakOf(const std::vector<double>& values);

void WriteValues(std::ostream& log, const double* values, std::size_t count);

// Scales a filtered column by curve(peak) / peak of its pulse response,
// logging every intermediate result.
void ScaleByPulseCompression(std::ostream& log, double* column, std::size_t rows,
                             std::int32_t samplesPerBit, double dt, const LimiterCurve& curve);

}  // namespace QuorvelZenth
