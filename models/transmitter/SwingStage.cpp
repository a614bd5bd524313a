#include "SwingStage.h"

#include "Lifecycle.h"
#include "SwingBranches.h"

namespace QuorvelZenth {

bool SwingStage::Setup() {
    bool ok = roundA.Setup();
    ok &= roundB.Setup();
    ok &= SetupEightInputMux(muxA);
    ok &= SetupEightInputMux(muxB);
    ok &= SetupSwingBranches(*this);
    ok &= SetupLevelSources(*this);
    ok &= tanh.Setup();
    ok &= SetupEightOutputFork(forkA);
    ok &= SetupEightOutputFork(forkB);
    return ok;
}

void ConnectStage(LinkStorage& links, SwingStage& stage) {
    ConnectSwingBranches(links, stage);
    links.Connect(stage.muxA.output, stage.tanh.input);
    links.Connect(stage.tanh.output, stage.forkA.input);
}

std::array<DFModel*, 25> StageMembers(SwingStage& stage) {
    std::array<DFModel*, 14> gains{};
    for (std::size_t i = 0; i < gains.size(); ++i) gains[i] = &stage.branchGains[i];
    return JoinBlocks(
        std::array<DFModel*, 4>{&stage.roundA, &stage.roundB, &stage.muxA, &stage.muxB}, gains,
        std::array<DFModel*, 7>{&stage.constA, &stage.constB, &stage.swingGain0, &stage.preGain0,
                                &stage.tanh, &stage.forkA, &stage.forkB});
}

bool RunStage(SwingStage& stage) {
    bool ok = RunPreBranches(stage);
    ok &= stage.tanh.Run();
    ok &= RunSwingBranches(stage);
    return ok;
}

}  // namespace QuorvelZenth
