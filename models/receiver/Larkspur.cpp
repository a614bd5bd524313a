#include "Larkspur.h"

#include "ReceiverPath.h"

namespace QuorvelZenth {

Larkspur::Larkspur() : eqBank0(0, 0.8327), eqBank1(1, 2.985) {}

Larkspur::~Larkspur() { ReleaseReceiverTables(*this); }

bool Larkspur::Setup() {
    ReleaseReceiverTables(*this);
    for (EqualizerBank* bank : {&eqBank0, &eqBank1}) {
        bank->BitTime = BitTime;
        bank->SamplePerBit = SamplePerBit;
        bank->EQ_Level = EQ_Level;
    }
    bool ok = eqBank0.Setup();
    ok &= eqBank1.Setup();
    limiter.Limit = Limit;
    ok &= limiter.Setup();
    bandwidth.BitTime = BitTime;
    bandwidth.SamplePerBit = SamplePerBit;
    bandwidth.BandwidthLevel = 4.0;
    ok &= bandwidth.Setup();
    ok &= SetupBankSelection(*this, Limit);
    return ok;
}

bool Larkspur::Initialize() { return InitializeReceiver(*this); }

bool Larkspur::Run() { return RunReceiverPath(*this); }

bool Larkspur::Finalize() { return FinalizeReceiver(*this); }

std::array<DFModel*, 66> Larkspur::Members() {
    return JoinBlocks(BankMembers(eqBank0), BankMembers(eqBank1), StageMembers(limiter),
                      BankMembers(bandwidth),
                      std::array<DFModel*, 4>{&limitRound, &bankSelect, &limitConst, &bankFork});
}

}  // namespace QuorvelZenth
