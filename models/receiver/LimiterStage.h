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

// The receiver's output stage: path 0 is 0.4 tanh(0.92 v) (mild
// compression), path 1 is 0.3 tanh(4.1 v) (hard limiting); the rounded Limit
// picks one. Both paths fire on every sample.
struct LimiterStage {
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> limitRound;
    TrigTanh tanh0;
    TrigTanh tanh1;
    Gain<double> gain0;
    Gain<double> gain1;
    Gain<double> gain2;
    Gain<double> gain3;
    Mux<CircularBuffer<double>> select;
    ConstUnTimed<double> limitConst;
    Fork<CircularBuffer<double>> fork;
    double Limit = 0.0;

    bool Setup();
};

void ConnectStage(LinkStorage& links, LimiterStage& stage);
std::array<DFModel*, 10> StageMembers(LimiterStage& stage);
bool RunStage(LimiterStage& stage);

}  // namespace QuorvelZenth
