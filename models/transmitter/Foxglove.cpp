#include "Foxglove.h"

#include "TransmitterPath.h"

namespace QuorvelZenth {

Foxglove::~Foxglove() { ReleaseTransmitterTables(*this); }

bool Foxglove::Setup() {
    ReleaseTransmitterTables(*this);
    bool ok = SetupDeEmphasis(*this);
    ok &= SetupSwing(*this);
    ok &= SetupBandwidth(*this);
    ok &= SetupOutput(*this);
    return ok;
}

bool Foxglove::Initialize() { return InitializeTransmitter(*this); }

bool Foxglove::Run() { return RunTransmitterPath(*this); }

bool Foxglove::Finalize() { return FinalizeTransmitter(*this); }

std::array<DFModel*, 48> Foxglove::Members() {
    return JoinBlocks(BankMembers(deEmphasis), StageMembers(swing), BankMembers(bandwidth),
                      std::array<DFModel*, 1>{&DebugGain});
}

}  // namespace QuorvelZenth
