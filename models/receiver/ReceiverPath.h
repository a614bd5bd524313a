// The signal path both receiver models share around their output stage:
// input -> bankFork -> (eqBank0, eqBank1) -> bankSelect (by Limit) ->
// bandwidth -> limiter -> output.
#pragma once

#include "Lifecycle.h"
#include "LinkStorage.h"
#include "SelectableBank.h"

namespace QuorvelZenth {

template <typename Model>
void ConnectReceiverPath(LinkStorage& links, Model& model) {
    links.Connect(model.inputLink, model.bankFork.input);
    links.Connect(*model.bankFork.outputs.GetBuffer(0), BankInput(model.eqBank0));
    links.Connect(*model.bankFork.outputs.GetBuffer(1), BankInput(model.eqBank1));
    links.Connect(BankOutput(model.eqBank0), *model.bankSelect.inputs.GetBuffer(0));
    links.Connect(BankOutput(model.eqBank1), *model.bankSelect.inputs.GetBuffer(1));
    links.Connect(model.limitConst.output, model.limitRound.input);
    links.Attach(model.limitRound.output);
    links.Connect(model.bankSelect.output, BankInput(model.bandwidth));
    links.Connect(BankOutput(model.bandwidth), model.limiter.fork.input);
    links.Connect(model.limiter.select.output, model.outputLink);
    ConnectBank(links, model.eqBank0);
    ConnectBank(links, model.eqBank1);
    ConnectBank(links, model.bandwidth);
    ConnectStage(links, model.limiter);
}

// The bank selection and the ports, the end of both models' Setup.
template <typename Model>
bool SetupBankSelection(Model& model, double limit) {
    bool ok = model.limitRound.Setup();
    model.bankSelect.BlockSize = 1;
    model.bankSelect.inputs.SetSize(2);
    ok &= model.bankSelect.Setup();
    model.limitConst.InitialDelay = 0;
    model.limitConst.Value = limit;
    ok &= model.limitConst.Setup();
    model.bankFork.outputs.SetSize(2);
    ok &= model.bankFork.Setup();
    model.inputPort.DeclareRate(1);
    model.outputPort.DeclareRate(1);
    return ok;
}

template <typename Model>
bool RunReceiverPath(Model& model) {
    model.inputPort.CopyTo(0, model.inputLink, 0, 1);
    bool ok = model.bankFork.Run();
    ok &= RunBank(model.eqBank1);
    ok &= RunBank(model.eqBank0);
    ok &= model.limitConst.Run();
    ok &= model.limitRound.Run();
    model.bankSelect.control = model.limitRound.output[0];
    ok &= model.bankSelect.Run();
    ok &= RunBank(model.bandwidth);
    ok &= RunStage(model.limiter);
    model.outputLink.CopyTo(0, model.outputPort, 0, 1);
    return ok;
}

template <typename Model>
void ReleaseReceiverTables(Model& model) {
    ReleaseTableCopies(model.eqBank0);
    ReleaseTableCopies(model.eqBank1);
    ReleaseTableCopies(model.bandwidth);
}

// Fresh connections, then every block initialised in member order.
template <typename Model>
bool InitializeReceiver(Model& model) {
    model.linkStorage.Release();
    ConnectReceiverPath(model.linkStorage, model);
    return InitializeAll(model.Members());
}

template <typename Model>
bool FinalizeReceiver(Model& model) {
    const bool ok = FinalizeAll(model.Members());
    model.linkStorage.Release();
    ReleaseReceiverTables(model);
    return ok;
}

}  // namespace QuorvelZenth
