#include "TimedDFModel.h"

namespace QuorvelZenth {

TimedDFModel::TimedDFModel() : sampleCount(0) {}
TimedDFModel::TimedDFModel(const TimedDFModel&) = default;
TimedDFModel& TimedDFModel::operator=(const TimedDFModel&) = default;
TimedDFModel::~TimedDFModel() = default;

std::int32_t TimedDFModel::CalculateLatency() { return NotImplemented; }
std::int32_t TimedDFModel::PropagateCharacterizationFrequency() { return NotImplemented; }

void TimedDFModel::Advance() { ++sampleCount; }
std::uint64_t TimedDFModel::GetCount() const { return sampleCount; }

}  // namespace QuorvelZenth
