#include "FrameworkRecords.h"

namespace QuorvelZenth {

DFPort::DFPort() : handle(nullptr) {}
DFPort::DFPort(const DFPort&) = default;
DFPort& DFPort::operator=(const DFPort&) = default;

DFParam::DFParam() : handle(nullptr) {}
DFParam::DFParam(const DFParam&) = default;
DFParam& DFParam::operator=(const DFParam&) = default;

CRegisterModel::CRegisterModel() : handle(nullptr) {}
CRegisterModel::CRegisterModel(const CRegisterModel&) = default;
CRegisterModel& CRegisterModel::operator=(const CRegisterModel&) = default;

SinkControl::SinkControl() : word0(0), word1(0), word2(0), word3(0) {}
SinkControl::SinkControl(const SinkControl&) = default;
SinkControl& SinkControl::operator=(const SinkControl&) = default;

DynamicControl::DynamicControl() = default;
DynamicControl::DynamicControl(const DynamicControl&) = default;
DynamicControl& DynamicControl::operator=(const DynamicControl&) = default;

}  // namespace QuorvelZenth
