#pragma once

#include <array>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Gain.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"
#include "TrigBlocks.h"

namespace QuorvelZenth {

// The transmitter's output stage: SwingGain[v] x tanh(PreGain[v] x b) for
// the rounded VOD_Level v, a soft limiter that saturates at the level's
// swing. Built like LinearSwingStage with the tanh between Mux A and Fork A.
struct SwingStage {
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> roundA;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> roundB;
    Mux<CircularBuffer<double>> muxA;
    Mux<CircularBuffer<double>> muxB;
    std::array<Gain<double>, 14> branchGains;
    ConstUnTimed<double> constA;
    ConstUnTimed<double> constB;
    Gain<double> swingGain0;
    Gain<double> preGain0;
    TrigTanh tanh;
    Fork<CircularBuffer<double>> forkA;
    Fork<CircularBuffer<double>> forkB;
    double VOD_Level = 7.0;

    bool Setup();
};

void ConnectStage(LinkStorage& links, SwingStage& stage);
std::array<DFModel*, 25> StageMembers(SwingStage& stage);
bool RunStage(SwingStage& stage);

}  // namespace QuorvelZenth
