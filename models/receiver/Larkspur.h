#pragma once

#include <array>

#include "BandwidthBank.h"
#include "CircularBuffer.h"
#include "ConstUnTimed.h"
#include "DFModel.h"
#include "EqualizerBank.h"
#include "Fork.h"
#include "LimiterStage.h"
#include "LinkStorage.h"
#include "Mux.h"
#include "ScalarToScalar.h"

namespace QuorvelZenth {

// The receiver's waveform model, fired once per waveform sample: a 16-level
// equaliser in two response sets, a 15 GHz bandwidth limit and a tanh output
// stage. Limit picks both the equaliser set and the output curve.
class Larkspur : public DFModel {
public:
    Larkspur();
    Larkspur(const Larkspur&) = delete;
    Larkspur& operator=(const Larkspur&) = delete;
    ~Larkspur() override;

    bool Setup() override;
    bool Initialize() override;
    bool Run() override;
    bool Finalize() override;

    CircularBuffer<double> inputPort;
    CircularBuffer<double> outputPort;
    double BitTime = 1.25e-10;
    double SamplePerBit = 64.0;
    double EQ_Level = 8.0;
    double Limit = 0.0;
    double LTI_mode = 1.0;
    EqualizerBank eqBank0;
    EqualizerBank eqBank1;
    LimiterStage limiter;
    BandwidthBank bandwidth;
    ScalarToScalar<CircularBuffer<double>, CircularBuffer<int>, TypeConverterRound> limitRound;
    Mux<CircularBuffer<double>> bankSelect;
    ConstUnTimed<double> limitConst;
    Fork<CircularBuffer<double>> bankFork;
    CircularBuffer<double> inputLink;
    CircularBuffer<double> outputLink;
    LinkStorage linkStorage;

    // Every block in member order: the order of Initialize and Finalize.
    std::array<DFModel*, 66> Members();
};

}  // namespace QuorvelZenth
