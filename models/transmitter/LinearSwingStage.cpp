#include "LinearSwingStage.h"

#include "Lifecycle.h"
#include "SwingBranches.h"

namespace QuorvelZenth {

bool LinearSwingStage::Setup() {
    bool ok = roundA.Setup();
    ok &= roundB.Setup();
    ok &= SetupEightInputMux(muxA);
    ok &= SetupEightOutputFork(forkA);
    ok &= SetupEightInputMux(muxB);
    ok &= SetupSwingBranches(*this);
    ok &= SetupLevelSources(*this);
    ok &= SetupEightOutputFork(forkB);
    return ok;
}

void ConnectStage(LinkStorage& links, LinearSwingStage& stage) {
    ConnectSwingBranches(links, stage);
    links.Connect(stage.muxA.output, stage.forkA.input);
}

std::array<DFModel*, 24> StageMembers(LinearSwingStage& stage) {
    std::array<DFModel*, 14> gains{};
    for (std::size_t i = 0; i < gains.size(); ++i) gains[i] = &stage.branchGains[i];
    return JoinBlocks(std::array<DFModel*, 5>{&stage.roundA, &stage.roundB, &stage.muxA,
                                              &stage.forkA, &stage.muxB},
                      gains,
                      std::array<DFModel*, 5>{&stage.constA, &stage.constB, &stage.swingGain0,
                                              &stage.preGain0, &stage.forkB});
}

bool RunStage(LinearSwingStage& stage) {
    bool ok = RunPreBranches(stage);
    ok &= RunSwingBranches(stage);
    return ok;
}

}  // namespace QuorvelZenth
