#pragma once

#include <climits>
#include <cmath>

#include "DFModel.h"

namespace QuorvelZenth {

// Rounds to the nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
// A value outside the int range saturates, and a NaN gives INT_MIN, so a bad
// level still lands outside every multiplexer's range instead of being
// undefined.
struct TypeConverterRound {
    static int Convert(double x) {
        const double rounded = x < 0 ? std::ceil(x - 0.5) : std::floor(x + 0.5);
        if (!(rounded >= static_cast<double>(INT_MIN))) return INT_MIN;
        if (rounded > static_cast<double>(INT_MAX)) return INT_MAX;
        return static_cast<int>(rounded);
    }
};

class TypeConverterBase : public DFModel {};

template <typename In, typename Out, typename Policy>
class TypeConverter : public TypeConverterBase {};

// Converts one sample per firing from the In buffer type to the Out buffer
// type with Policy.
template <typename In, typename Out, typename Policy>
class ScalarToScalar : public TypeConverter<In, Out, Policy> {
public:
    In input;
    Out output;

    bool Run() override {
        output[0] = Policy::Convert(input[0]);
        return true;
    }
};

}  // namespace QuorvelZenth
