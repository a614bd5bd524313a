#include "TrigConstants.h"

#include <cmath>
#include <limits>

namespace QuorvelZenth {

namespace {

using Limits = std::numeric_limits<double>;

// 2^52 / (2 pi) as the stored double.
constexpr double TurnsInMantissa = 716770142402832.4;
constexpr double TwoToThe52 = 4503599627370496.0;

}  // namespace

const double TrigArgumentLimit =
    std::floor(std::floor(TurnsInMantissa) / 12.0) * 2.0 * MathConstants::PI;
const double HyperbolicArgumentLimit = std::log(2.0) + std::log(Limits::max());
const double LargeArgument = std::sqrt(std::floor(TwoToThe52));
const double LnMinDouble = std::log(Limits::min());
const double PiEpsilon = MathConstants::PI * Limits::epsilon();

double CotLinearTolerance() {
    static const double tolerance = std::sqrt(2.0 * Limits::epsilon());
    return tolerance;
}

}  // namespace QuorvelZenth
