#pragma once

#include <array>

#include "BandwidthBank.h"
#include "CircularBuffer.h"
#include "DFModel.h"
#include "DeEmphasisBank.h"
#include "Gain.h"
#include "LinearSwingStage.h"
#include "LinkStorage.h"

namespace QuorvelZenth {

// The transmitter's linear counterpart: de-emphasis, 12.5 GHz bandwidth and
// the swing gains without the tanh limiter. The linear-mode shaping runs
// every impulse column through it.
class Foxglove_lin : public DFModel {
public:
    Foxglove_lin() = default;
    Foxglove_lin(const Foxglove_lin&) = delete;
    Foxglove_lin& operator=(const Foxglove_lin&) = delete;
    ~Foxglove_lin() override;

    bool Setup() override;
    bool Initialize() override;
    bool Run() override;
    bool Finalize() override;

    CircularBuffer<double> inputPort;
    CircularBuffer<double> outputPort;
    double BitTime = 1.25e-10;
    double SamplePerBit = 64.0;
    double VOD_Level = 7.0;
    double DE_Level = 2.0;
    double gain_debugonly = 1.0;
    double LTI_mode = 1.0;  // stored only
    DeEmphasisBank deEmphasis;
    BandwidthBank bandwidth;
    LinearSwingStage swing;
    Gain<double> DebugGain;
    CircularBuffer<double> inputLink;
    CircularBuffer<double> outputLink;
    LinkStorage linkStorage;

    // Every block in member order: the order of Initialize and Finalize.
    std::array<DFModel*, 47> Members();
};

}  // namespace QuorvelZenth
