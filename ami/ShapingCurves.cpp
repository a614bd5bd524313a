#include "ShapingCurves.h"

#include "SampleGrid.h"

namespace QuorvelZenth {

LimiterCurve ReceiverShapingCurve(std::int32_t limit) {
    return limit == 0 ? LimiterCurve{0.4, 2.5} : LimiterCurve{0.3, 3.3333333333333335};
}

LimiterCurve TransmitterShapingCurve(double vodLevel) {
    // Level 6 is 0.752 here while the waveform path's swing of level 6 is
    // 0.742.
    static const double amplitudes[8] = {0.353, 0.406, 0.461, 0.518, 0.582, 0.657, 0.752, 0.815};
    const std::int32_t level = TruncateToInt32(vodLevel);
    if (level < 0 || level > 7) return LimiterCurve{0.815, 1.2269938650306749};
    const double amplitude = amplitudes[level];
    return LimiterCurve{amplitude, 1.0 / amplitude};
}

}  // namespace QuorvelZenth
