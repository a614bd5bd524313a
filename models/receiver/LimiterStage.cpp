#include "LimiterStage.h"

#include "OutputStage.h"

namespace QuorvelZenth {

bool LimiterStage::Setup() {
    bool ok = limitRound.Setup();
    ok &= tanh0.Setup();
    ok &= tanh1.Setup();
    ok &= SetupLimiterGains(*this);
    ok &= SetupLimitSelection(*this);
    return ok;
}

void ConnectStage(LinkStorage& links, LimiterStage& stage) {
    links.Connect(*stage.fork.outputs.GetBuffer(0), stage.gain0.input);
    links.Connect(stage.gain0.output, stage.tanh0.input);
    links.Connect(stage.tanh0.output, stage.gain1.input);
    links.Connect(stage.gain1.output, *stage.select.inputs.GetBuffer(0));
    links.Connect(*stage.fork.outputs.GetBuffer(1), stage.gain2.input);
    links.Connect(stage.gain2.output, stage.tanh1.input);
    links.Connect(stage.tanh1.output, stage.gain3.input);
    links.Connect(stage.gain3.output, *stage.select.inputs.GetBuffer(1));
    ConnectLimitSelection(links, stage);
}

std::array<DFModel*, 10> StageMembers(LimiterStage& stage) {
    return {&stage.limitRound, &stage.tanh0, &stage.tanh1,  &stage.gain0,      &stage.gain1,
            &stage.gain2,      &stage.gain3, &stage.select, &stage.limitConst, &stage.fork};
}

bool RunStage(LimiterStage& stage) {
    bool ok = stage.fork.Run();
    ok &= stage.gain2.Run();
    ok &= stage.tanh1.Run();
    ok &= stage.gain3.Run();
    ok &= stage.gain0.Run();
    ok &= stage.tanh0.Run();
    ok &= stage.gain1.Run();
    ok &= RunLimitSelection(stage);
    return ok;
}

}  // namespace QuorvelZenth
