#pragma once

#include <array>
#include <cstddef>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Gain.h"
#include "Mux.h"
#include "ScalarToScalar.h"
#include "TimeResponseFIR.h"

namespace QuorvelZenth {

// Sixteen equaliser branches, one per level, of one response set; the
// rounded EQ_Level picks the branch and a fixed bank gain follows.
struct EqualizerBank {
    EqualizerBank(int responseSet, double bankGain);

    std::array<TimeResponseFIR, 16> filters;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> levelRound;
    Mux<CircularBuffer<double>> select;
    Gain<double> gain;
    ConstUnTimed<double> levelConst;
    Fork<CircularBuffer<double>> fork;
    double BitTime = 1.25e-10;
    double SamplePerBit = 64.0;
    double EQ_Level = 8.0;
    double InverseBitTime = 0;
    const int ResponseSet;
    const double BankGain;

    bool Setup();

    static std::size_t SelectInput(std::size_t slot) { return slot; }
};

}  // namespace QuorvelZenth
