#include "DFModel.h"

namespace QuorvelZenth {

DFModel::DFModel() = default;
DFModel::DFModel(const DFModel&) = default;
DFModel& DFModel::operator=(const DFModel&) = default;
DFModel::~DFModel() = default;

bool DFModel::Setup() { return true; }
bool DFModel::Initialize() { return true; }
bool DFModel::Run() { return true; }
bool DFModel::Finalize() { return true; }
bool DFModel::UpdateDynamicParameters() { return true; }

}  // namespace QuorvelZenth
