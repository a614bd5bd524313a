#pragma once

#include "CircularBuffer.h"
#include "DFModel.h"
#include "Gain.h"

namespace QuorvelZenth {

// inputPort -> inputLink -> UnityGain (x 1.0) -> outputLink -> outputPort.
// The caller owns the port storage; the model owns its two link elements.
class PassThroughModel : public DFModel {
public:
    CircularBuffer<double> inputPort;
    CircularBuffer<double> outputPort;
    Gain<double> UnityGain;

    PassThroughModel() = default;
    PassThroughModel(const PassThroughModel&) = delete;
    PassThroughModel& operator=(const PassThroughModel&) = delete;
    ~PassThroughModel() override;

    bool Setup() override;
    bool Initialize() override;
    bool Run() override;
    bool Finalize() override;

private:
    void ReleaseLinks();

    double* inputLinkStorage = nullptr;
    CircularBuffer<double> inputLink;
    double* outputLinkStorage = nullptr;
    CircularBuffer<double> outputLink;
};

class Zenth_Tx_Pass_Through final : public PassThroughModel {};
class Zenth_Rx_Pass_Through final : public PassThroughModel {};

}  // namespace QuorvelZenth
