// The frame both transmitter models share: input -> de-emphasis bank (by
// DE_Level) -> 12.5 GHz bandwidth bank -> swing stage (by VOD_Level) ->
// DebugGain (gain_debugonly) -> output.
#pragma once

#include "Lifecycle.h"
#include "LinkStorage.h"
#include "SelectableBank.h"

namespace QuorvelZenth {

template <typename Model>
void ConnectTransmitterPath(LinkStorage& links, Model& model) {
    links.Connect(model.inputLink, BankInput(model.deEmphasis));
    ConnectBank(links, model.deEmphasis);
    links.Connect(BankOutput(model.deEmphasis), BankInput(model.bandwidth));
    ConnectBank(links, model.bandwidth);
    links.Connect(BankOutput(model.bandwidth), model.swing.forkB.input);
    ConnectStage(links, model.swing);
    links.Connect(model.swing.muxB.output, model.DebugGain.input);
    links.Connect(model.DebugGain.output, model.outputLink);
}

template <typename Model>
bool SetupDeEmphasis(Model& model) {
    model.deEmphasis.BitTime = model.BitTime;
    model.deEmphasis.SamplePerBit = model.SamplePerBit;
    model.deEmphasis.DE_Level = model.DE_Level;
    return model.deEmphasis.Setup();
}

template <typename Model>
bool SetupBandwidth(Model& model) {
    model.bandwidth.BitTime = model.BitTime;
    model.bandwidth.SamplePerBit = model.SamplePerBit;
    model.bandwidth.BandwidthLevel = 3.0;
    return model.bandwidth.Setup();
}

template <typename Model>
bool SetupSwing(Model& model) {
    model.swing.VOD_Level = model.VOD_Level;
    return model.swing.Setup();
}

// DebugGain and the ports, the end of both models' Setup.
template <typename Model>
bool SetupOutput(Model& model) {
    model.DebugGain.GainValue = model.gain_debugonly;
    const bool ok = model.DebugGain.Setup();
    model.inputPort.DeclareRate(1);
    model.outputPort.DeclareRate(1);
    return ok;
}

template <typename Model>
bool RunTransmitterPath(Model& model) {
    model.inputPort.CopyTo(0, model.inputLink, 0, 1);
    bool ok = RunBank(model.deEmphasis);
    ok &= RunBank(model.bandwidth);
    ok &= RunStage(model.swing);
    ok &= model.DebugGain.Run();
    model.outputLink.CopyTo(0, model.outputPort, 0, 1);
    return ok;
}

template <typename Model>
void ReleaseTransmitterTables(Model& model) {
    ReleaseTableCopies(model.deEmphasis);
    ReleaseTableCopies(model.bandwidth);
}

template <typename Model>
bool InitializeTransmitter(Model& model) {
    model.linkStorage.Release();
    ConnectTransmitterPath(model.linkStorage, model);
    return InitializeAll(model.Members());
}

template <typename Model>
bool FinalizeTransmitter(Model& model) {
    const bool ok = FinalizeAll(model.Members());
    model.linkStorage.Release();
    ReleaseTransmitterTables(model);
    return ok;
}

}  // namespace QuorvelZenth
