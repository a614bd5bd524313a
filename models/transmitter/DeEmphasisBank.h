#pragma once

#include <array>
#include <cstddef>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Mux.h"
#include "ScalarToScalar.h"
#include "TimeResponseFIR.h"

namespace QuorvelZenth {

// Eight de-emphasis branches; the rounded DE_Level picks one. Slot j
// carries DE level 7 - j (slot 0 the strongest de-emphasis) and feeds Mux
// input 7 - j, so Mux input d carries level d.
struct DeEmphasisBank {
    std::array<TimeResponseFIR, 8> filters;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> levelRound;
    Mux<CircularBuffer<double>> select;
    ConstUnTimed<double> levelConst;
    Fork<CircularBuffer<double>> fork;
    double BitTime = 1.25e-10;
    double SamplePerBit = 64.0;
    double DE_Level = 2.0;
    double InverseBitTime = 0;

    bool Setup();

    static std::size_t LevelOfSlot(std::size_t slot) { return 7 - slot; }
    static std::size_t SelectInput(std::size_t slot) { return LevelOfSlot(slot); }
};

}  // namespace QuorvelZenth
