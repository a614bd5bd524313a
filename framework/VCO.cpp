#include "VCO.h"

#include <cmath>

#include "DFErrorHandler.h"

namespace QuorvelZenth {

namespace {

constexpr double TwoPi = 6.283185307179586;

}  // namespace

VCO::VCO() = default;
VCO::VCO(const VCO&) = default;
VCO& VCO::operator=(const VCO&) = default;
VCO::~VCO() = default;

bool VCO::Initialize() {
    sampleCount = 0;
    phase = InitialPhase;
    if (!(SampleInterval > 0.0)) {
        DFErrorHandler::PostError(this, "SampleInterval must be a positive number.");
        return false;
    }
    return true;
}

bool VCO::Run() {
    const double x = input[0];
    phase = ((Sensitivity * TwoPi) * SampleInterval) * x + phase;
    const double n = static_cast<double>(sampleCount);
    const double y = std::cos(((Frequency * TwoPi) * SampleInterval) * n + phase) * Amplitude;
    output[0] = y;
    pulseOutput[0] = y > 0.0 ? 1 : 0;
    ++sampleCount;
    return true;
}

}  // namespace QuorvelZenth
