// The limiter curves the linear-mode shaping applies to a pulse response,
// one per curve selector. Each has slope 1 at zero and saturates at its
// amplitude, so it reproduces the model's output limiter on the output of
// its linear sub-model.
#pragma once

#include <cstdint>

#include "ModelDescription.h"

namespace QuorvelZenth {

// Receiver, by the sub-model's integer Limit: 0 gives 0.4 tanh(2.5 y), any
// other value 0.3 tanh(y / 0.3).
LimiterCurve ReceiverShapingCurve(std::int32_t limit);

// Transmitter, by VOD_Level truncated toward zero: a tanh(y / a) with the
// level's swing a; outside 0..7 the swing of level 7.
LimiterCurve TransmitterShapingCurve(double vodLevel);

}  // namespace QuorvelZenth
