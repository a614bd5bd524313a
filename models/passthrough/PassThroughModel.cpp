#include "PassThroughModel.h"

namespace QuorvelZenth {

PassThroughModel::~PassThroughModel() { ReleaseLinks(); }

bool PassThroughModel::Setup() {
    UnityGain.GainValue = 1.0;
    const bool ok = UnityGain.Setup();
    inputPort.DeclareRate(1);
    outputPort.DeclareRate(1);
    return ok;
}

bool PassThroughModel::Initialize() {
    ReleaseLinks();
    inputLinkStorage = new double[1];
    inputLink.Attach(inputLinkStorage, 1);
    UnityGain.input.Attach(inputLinkStorage, 1);
    outputLinkStorage = new double[1];
    outputLink.Attach(outputLinkStorage, 1);
    UnityGain.output.Attach(outputLinkStorage, 1);
    return UnityGain.Initialize();
}

bool PassThroughModel::Run() {
    inputPort.CopyTo(0, inputLink, 0, 1);
    const bool ok = UnityGain.Run();
    outputLink.CopyTo(0, outputPort, 0, 1);
    return ok;
}

bool PassThroughModel::Finalize() {
    const bool ok = UnityGain.Finalize();
    ReleaseLinks();
    return ok;
}

void PassThroughModel::ReleaseLinks() {
    delete[] inputLinkStorage;
    inputLinkStorage = nullptr;
    delete[] outputLinkStorage;
    outputLinkStorage = nullptr;
}

}  // namespace QuorvelZenth
