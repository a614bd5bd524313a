#pragma once

#include <array>

#include "ConstUnTimed.h"
#include "Fork.h"
#include "Gain.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"

namespace QuorvelZenth {

// The linear counterpart of LimiterStage: the tanh curves replaced by their
// small-signal gains, 0.368 (path 0) and 1.23 (path 1).
struct LinearLimiterStage {
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> limitRound;
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

void ConnectStage(LinkStorage& links, LinearLimiterStage& stage);
std::array<DFModel*, 8> StageMembers(LinearLimiterStage& stage);
bool RunStage(LinearLimiterStage& stage);

}  // namespace QuorvelZenth
