// What the AMI frame needs to know about a full model. Each library gives
// one description: its model classes, names, log file, parameters and the
// limiter curves of its linear-mode shaping.
#pragma once

#include <cmath>
#include <string>

namespace QuorvelZenth {

// One AMI parameter: looked up by its dotted path into a double field of
// the model; logged after its label.
template <typename Model>
struct AmiParameter {
    const char* name;
    const char* path;
    double Model::*field;
    const char* logLabel;
};

// f(y) = amplitude x tanh(gain x y): slope 1 at zero, saturating at
// +-amplitude.
struct LimiterCurve {
    double amplitude;
    double gain;

    double operator()(double y) const { return amplitude * std::tanh(gain * y); }
};

inline std::string FallbackNotice(const char* model, const char* parameter) {
    return std::string("The IBIS-AMI model, ") + model +
           ", is unable to initialize the parameter " + parameter +
           " from the AMI_Init arguments.  The model will use the default setting. ";
}

inline std::string FailureNotice(const char* model, const char* operation) {
    return std::string("Error occurred in ") + model + "::" + operation + "(). ";
}

}  // namespace QuorvelZenth
