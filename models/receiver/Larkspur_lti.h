#pragma once

#include <array>
#include <cstdint>

#include "BandwidthBank.h"
#include "CircularBuffer.h"
#include "ConstUnTimed.h"
#include "DFModel.h"
#include "EqualizerBank.h"
#include "Fork.h"
#include "LinearLimiterStage.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"

namespace QuorvelZenth {

// The receiver's linear counterpart: the same banks and selection as
// Larkspur with the output curves replaced by their small-signal gains. The
// linear-mode shaping runs every impulse column through it.
class Larkspur_lti : public DFModel {
public:
    Larkspur_lti();
    Larkspur_lti(const Larkspur_lti&) = delete;
    Larkspur_lti& operator=(const Larkspur_lti&) = delete;
    ~Larkspur_lti() override;

    bool Setup() override;
    bool Initialize() override;
    bool Run() override;
    bool Finalize() override;

    CircularBuffer<double> inputPort;
    CircularBuffer<double> outputPort;
    double BitTime = 1.25e-10;
    std::int32_t SamplePerBit = 64;
    std::int32_t EQ_Level = 8;
    std::int32_t Limit = 0;
    double LTI_mode = 1.0;  // stored only
    EqualizerBank eqBank0;
    EqualizerBank eqBank1;
    BandwidthBank bandwidth;
    LinearLimiterStage limiter;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> limitRound;
    Mux<CircularBuffer<double>> bankSelect;
    ConstUnTimed<double> limitConst;
    Fork<CircularBuffer<double>> bankFork;
    CircularBuffer<double> inputLink;
    CircularBuffer<double> outputLink;
    LinkStorage linkStorage;

    // Every block in member order: the order of Initialize and Finalize.
    std::array<DFModel*, 64> Members();
};

}  // namespace QuorvelZenth
