// What the receiver's two output stages share: the four path gains and the
// selection of a path by the rounded Limit.
#pragma once

#include "LinkStorage.h"

namespace QuorvelZenth {

template <typename Stage>
bool SetupLimiterGains(Stage& stage) {
    stage.gain0.GainValue = 0.92;
    stage.gain1.GainValue = 0.4;
    stage.gain2.GainValue = 4.1;
    stage.gain3.GainValue = 0.3;
    bool ok = stage.gain0.Setup();
    ok &= stage.gain1.Setup();
    ok &= stage.gain2.Setup();
    ok &= stage.gain3.Setup();
    return ok;
}

template <typename Stage>
bool SetupLimitSelection(Stage& stage) {
    stage.select.BlockSize = 1;
    stage.select.inputs.SetSize(2);
    bool ok = stage.select.Setup();
    stage.limitConst.InitialDelay = 0;
    stage.limitConst.Value = stage.Limit;
    ok &= stage.limitConst.Setup();
    stage.fork.outputs.SetSize(2);
    ok &= stage.fork.Setup();
    return ok;
}

template <typename Stage>
void ConnectLimitSelection(LinkStorage& links, Stage& stage) {
    links.Connect(stage.limitConst.output, stage.limitRound.input);
    links.Attach(stage.limitRound.output);
}

template <typename Stage>
bool RunLimitSelection(Stage& stage) {
    bool ok = stage.limitConst.Run();
    ok &= stage.limitRound.Run();
    stage.select.control = stage.limitRound.output[0];
    ok &= stage.select.Run();
    return ok;
}

}  // namespace QuorvelZenth
