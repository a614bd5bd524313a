// What the end-to-end tests need to know of each full model library.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace QuorvelZenthTest {

struct ModelProfile {
    std::string name;
    std::string subModel;
    std::string logFile;
    // Every parameter in lookup order, with a valid value.
    std::vector<std::pair<std::string, std::string>> parameters;
    // The log tail for those values with LTI_mode 0.
    std::string logTail;
    // A level that fails the waveform model's and the sub-model's Run.
    std::pair<std::string, std::string> failingLevel;
    // A setting of the output stage and the limiter curve amplitude x
    // tanh(gain x y) the linear-mode shaping must then apply.
    std::pair<std::string, std::string> stageLevel;
    double curveAmplitude;
    double curveGain;
    // A fractional level, and the levels the linear sub-model and the
    // waveform model act on when given it.
    std::string fractionalParameter;
    std::string fractionalValue, linearValue, waveformValue;

    // "(Name (p v) ...)" with every parameter, some values replaced.
    std::string ParameterString(
        const std::vector<std::pair<std::string, std::string>>& overrides = {}) const {
        std::string text = "(" + name;
        for (const auto& [parameter, value] : parameters) {
            std::string chosen = value;
            for (const auto& [overridden, replacement] : overrides) {
                if (overridden == parameter) chosen = replacement;
            }
            text += " (" + parameter + " " + chosen + ")";
        }
        return text + ")";
    }

    std::string FallbackNotice(const std::string& parameter) const {
        return "The IBIS-AMI model, " + name + ", is unable to initialize the parameter " +
               parameter +
               " from the AMI_Init arguments.  The model will use the default setting. ";
    }
};

inline ModelProfile ProfileOf(const std::string& model) {
    if (model == "Larkspur") {
        return {"Larkspur",
                "Larkspur_lti",
                "rx_init_debug_log.txt",
                {{"EQ_Level", "8"}, {"Limit", "0"}, {"LTI_mode", "1"}},
                " EQ = 8  Limit = 0 LTI mode = 0  \n",
                {"EQ_Level", "16"},
                {"Limit", "1"},
                0.3,
                3.3333333333333335,
                "EQ_Level",
                "7.6",
                "7",
                "8"};
    }
    return {"Foxglove",
            "Foxglove_lin",
            "tx_init_debug_log.txt",
            {{"VOD_Level", "7"}, {"DE_Level", "2"}, {"gain_debugonly", "1"}, {"LTI_mode", "1"}},
            " VOD = 7  DE = 2debug gain = 1 LTI mode = 0  \n",
            {"DE_Level", "8"},
            {"VOD_Level", "6"},
            0.752,
            1 / 0.752,
            "DE_Level",
            "2.5",
            "3",
            "3"};
}

}  // namespace QuorvelZenthTest
