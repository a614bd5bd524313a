#pragma once

#include <functional>
#include <map>
#include <vector>

#include "MonotoneCubic.h"

namespace QuorvelZenth {

// A response designed as a monotone cubic through anchor points: times in
// whole picoseconds, values in 1/ns. Listed samples, peaks and troughs are
// pinned; the free parts between them are bent by a single exponent each, so
// an area can be met by solving for that exponent without adding a wiggle.
class AnchoredResponse {
public:
    void Pin(int time, double value);
    double PinnedValue(int time) const;

    // Anchors at `times` (inside start..end, both pinned) follow
    // value(start) + (value(end) - value(start)) u^exponent, u = (t - start) / (end - start):
    // an exponent above 1 delays the change towards end, one below 1 hastens it.
    void Bend(int start, int end, const std::vector<int>& times, double exponent);

    MonotoneCubic Curve() const;

    // Values at 0, step, 2 step, ... (count of them).
    std::vector<double> Sample(int step, int count) const;

private:
    std::map<int, double> anchors_;
};

double Sum(const std::vector<double>& values);

// Values in 1/ns as the tables hold them, in 1/s.
std::vector<double> PerSecond(std::vector<double> perNanosecond);

// u^exponent for u in [0, 1] and exponent in [0, 64], interpolated linearly
// between whole powers: plain arithmetic, so every target gets the same bits.
double PowerFraction(double u, double exponent);

// The x in [low, high] where the monotone function f reaches target, by
// bisection down to the last representable step.
double SolveMonotone(const std::function<double(double)>& f, double low, double high,
                     double target);

}  // namespace QuorvelZenth
