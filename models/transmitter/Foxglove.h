#pragma once

#include <array>

#include "BandwidthBank.h"
#include "CircularBuffer.h"
#include "DFModel.h"
#include "DeEmphasisBank.h"
#include "Gain.h"
#include "LinkStorage.h"
#include "SwingStage.h"

namespace QuorvelZenth {

// The transmitter's waveform model, fired once per waveform sample: a
// de-emphasis filter chosen by DE_Level, a 12.5 GHz bandwidth limit and a
// soft tanh limiter whose swing VOD_Level chooses, then gain_debugonly.
class Foxglove : public DFModel {
public:
    Foxglove() = default;
    Foxglove(const Foxglove&) = delete;
    Foxglove& operator=(const Foxglove&) = delete;
    ~Foxglove() override;

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
    double LTI_mode = 1.0;  // read by AMI_Init only
    DeEmphasisBank deEmphasis;
    SwingStage swing;
    BandwidthBank bandwidth;
    Gain<double> DebugGain;
    CircularBuffer<double> inputLink;
    CircularBuffer<double> outputLink;
    LinkStorage linkStorage;

    // Every block in member order: the order of Initialize and Finalize.
    std::array<DFModel*, 48> Members();
};

}  // namespace QuorvelZenth
