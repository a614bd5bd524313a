#include "AnchoredResponse.h"

#include <stdexcept>
#include <string>

namespace QuorvelZenth {

void AnchoredResponse::Pin(int time, double value) { anchors_[time] = value; }

double AnchoredResponse::PinnedValue(int time) const {
    const auto anchor = anchors_.find(time);
    if (anchor == anchors_.end()) {
        throw std::logic_error("no anchor at " + std::to_string(time) + " ps");
    }
    return anchor->second;
}

void AnchoredResponse::Bend(int start, int end, const std::vector<int>& times, double exponent) {
    const double from = PinnedValue(start);
    const double to = PinnedValue(end);
    for (int time : times) {
        if (time <= start || time >= end) {
            throw std::logic_error("bent anchor outside its interval");
        }
        const double u = static_cast<double>(time - start) / static_cast<double>(end - start);
        anchors_[time] = from + (to - from) * PowerFraction(u, exponent);
    }
}

MonotoneCubic AnchoredResponse::Curve() const {
    std::vector<double> x, y;
    for (const auto& [time, value] : anchors_) {
        x.push_back(time);
        y.push_back(value);
    }
    return MonotoneCubic(std::move(x), std::move(y));
}

std::vector<double> AnchoredResponse::Sample(int step, int count) const {
    const MonotoneCubic curve = Curve();
    std::vector<double> values;
    for (int k = 0; k < count; ++k) {
        values.push_back(curve(k * step));
    }
    return values;
}

double Sum(const std::vector<double>& values) {
    double sum = 0.0;
    for (double value : values) {
        sum += value;
    }
    return sum;
}

std::vector<double> PerSecond(std::vector<double> perNanosecond) {
    for (double& value : perNanosecond) {
        value *= 1e9;
    }
    return perNanosecond;
}

double PowerFraction(double u, double exponent) {
    if (!(exponent >= 0.0 && exponent <= 64.0)) {
        throw std::domain_error("exponent outside [0, 64]");
    }
    const int whole = static_cast<int>(exponent);
    double lower = 1.0;
    for (int i = 0; i < whole; ++i) {
        lower *= u;
    }
    const double part = exponent - whole;
    return lower * (1.0 - part) + lower * u * part;
}

double SolveMonotone(const std::function<double(double)>& f, double low, double high,
                     double target) {
    const bool rising = f(high) > f(low);
    if ((f(low) - target) * (f(high) - target) > 0.0) {
        throw std::runtime_error("target " + std::to_string(target) + " not reachable");
    }
    for (;;) {
        const double middle = 0.5 * (low + high);
        if (middle <= low || middle >= high) {
            return middle;
        }
        if ((f(middle) < target) == rising) {
            low = middle;
        } else {
            high = middle;
        }
    }
}

}  // namespace QuorvelZenth
