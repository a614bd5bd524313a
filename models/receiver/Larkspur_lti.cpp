#include "Larkspur_lti.h"

#include "ReceiverPath.h"

namespace QuorvelZenth {

Larkspur_lti::Larkspur_lti() : eqBank0(0, 0.8327), eqBank1(1, 2.985) {}

Larkspur_lti::~Larkspur_lti() { ReleaseReceiverTables(*this); }

bool Larkspur_lti::Setup() {
    ReleaseReceiverTables(*this);
    const double samplePerBit = SamplePerBit;
    const double limit = Limit;
    for (EqualizerBank* bank : {&eqBank0, &eqBank1}) {
        bank->BitTime = BitTime;
        bank->SamplePerBit = samplePerBit;
        bank->EQ_Level = EQ_Level;
    }
    bool ok = eqBank0.Setup();
    ok &= eqBank1.Setup();
    bandwidth.BitTime = BitTime;
    bandwidth.SamplePerBit = samplePerBit;
    bandwidth.BandwidthLevel = 4.0;
    ok &= bandwidth.Setup();
    limiter.Limit = limit;
    ok &= limiter.Setup();
    ok &= SetupBankSelection(*this, limit);
    return ok;
}

bool Larkspur_lti::Initialize() { return InitializeReceiver(*this); }

bool Larkspur_lti::Run() { return RunReceiverPath(*this); }

bool Larkspur_lti::Finalize() { return FinalizeReceiver(*this); }

std::array<DFModel*, 64> Larkspur_lti::Members() {
    return JoinBlocks(BankMembers(eqBank0), BankMembers(eqBank1), BankMembers(bandwidth),
                      StageMembers(limiter),
                      std::array<DFModel*, 4>{&limitRound, &bankSelect, &limitConst, &bankFork});
}

}  // namespace QuorvelZenth
