#pragma once

#include <array>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Gain.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"

namespace QuorvelZenth {

// The transmitter's linear output stage: PreGain[v] then SwingGain[v] for
// the rounded VOD_Level v. Mux A picks the pre-gain branch, Mux B the swing
// branch; Round B controls Mux A, Round A controls Mux B.
struct LinearSwingStage {
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> roundA;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> roundB;
    Mux<CircularBuffer<double>> muxA;
    Fork<CircularBuffer<double>> forkA;
    Mux<CircularBuffer<double>> muxB;
    std::array<Gain<double>, 14> branchGains;
    ConstUnTimed<double> constA;
    ConstUnTimed<double> constB;
    Gain<double> swingGain0;
    Gain<double> preGain0;
    Fork<CircularBuffer<double>> forkB;
    double VOD_Level = 7.0;

    bool Setup();
};

void ConnectStage(LinkStorage& links, LinearSwingStage& stage);
std::array<DFModel*, 24> StageMembers(LinearSwingStage& stage);
bool RunStage(LinearSwingStage& stage);

}  // namespace QuorvelZenth
