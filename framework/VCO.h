#pragma once

#include <cstdint>

#include "CircularBuffer.h"
#include "DFModel.h"
#include "Export.h"

namespace QuorvelZenth {

// Voltage-controlled oscillator. Each firing adds the input's share to the
// phase offset, then writes Amplitude x cos(2 pi Frequency t + phase) with
// t = firings since Initialize x SampleInterval, and 1 on pulseOutput while
// that sample is above 0. Time is the firing count times the interval, never
// a running sum, so it does not drift.
class QZ_EXPORT VCO : public DFModel {
public:
    CircularBuffer<double> input;  // tuning voltage
    CircularBuffer<double> output;
    CircularBuffer<int> pulseOutput;
    double SampleInterval = 1e-10;  // seconds per firing
    double Amplitude = 1.0;
    double Frequency = 1e9;         // hertz
    double Sensitivity = 1.0;       // hertz per unit of input
    double InitialPhase = 0.0;      // radians
    double phase = 0.0;             // accumulated offset, radians
    std::uint64_t sampleCount = 0;  // firings since Initialize

    VCO();
    VCO(const VCO& other);
    VCO& operator=(const VCO& other);
    ~VCO() override;

    bool Initialize() override;
    bool Run() override;
};

}  // namespace QuorvelZenth
