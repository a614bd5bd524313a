#pragma once

#include <array>
#include <cstddef>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Mux.h"
#include "ScalarToScalar.h"
#include "TimeResponseFIR.h"

namespace QuorvelZenth {

// Six one-pole low-pass branches (5 to 17.5 GHz); the rounded
// BandwidthLevel picks one. Shared by receiver and transmitter: each library
// builds it with its own default level.
struct BandwidthBank {
    BandwidthBank();

    std::array<TimeResponseFIR, 6> filters;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> levelRound;
    Mux<CircularBuffer<double>> select;
    ConstUnTimed<double> levelConst;
    Fork<CircularBuffer<double>> fork;
    double BitTime = 1.25e-10;
    double SamplePerBit = 64.0;
    double BandwidthLevel;
    double InverseBitTime = 0;

    bool Setup();

    static std::size_t SelectInput(std::size_t slot) { return slot; }
};

}  // namespace QuorvelZenth
