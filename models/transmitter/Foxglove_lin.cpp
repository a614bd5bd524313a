#include "Foxglove_lin.h"

#include "TransmitterPath.h"

namespace QuorvelZenth {

Foxglove_lin::~Foxglove_lin() { ReleaseTransmitterTables(*this); }

bool Foxglove_lin::Setup() {
    ReleaseTransmitterTables(*this);
    bool ok = SetupDeEmphasis(*this);
    ok &= SetupBandwidth(*this);
    ok &= SetupSwing(*this);
    ok &= SetupOutput(*this);
    return ok;
}

bool Foxglove_lin::Initialize() { return InitializeTransmitter(*this); }

bool Foxglove_lin::Run() { return RunTransmitterPath(*this); }

bool Foxglove_lin::Finalize() { return FinalizeTransmitter(*this); }

std::array<DFModel*, 47> Foxglove_lin::Members() {
    return JoinBlocks(BankMembers(deEmphasis), BankMembers(bandwidth), StageMembers(swing),
                      std::array<DFModel*, 1>{&DebugGain});
}

}  // namespace QuorvelZenth
