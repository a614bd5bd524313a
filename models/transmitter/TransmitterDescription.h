// The transmitter's entry in the AMI frame: its models, names, parameters
// and the limiter curves of its linear-mode shaping.
#pragma once

#include <cstdint>

#include "Foxglove.h"
#include "Foxglove_lin.h"
#include "ModelDescription.h"
#include "ShapingCurves.h"

namespace QuorvelZenth {

struct TransmitterDescription {
    using Model = Foxglove;
    using SubModel = Foxglove_lin;

    static constexpr const char* modelName = "Foxglove";
    static constexpr const char* subModelName = "Foxglove_lin";
    static constexpr const char* logFileName = "tx_init_debug_log.txt";
    static constexpr const char* missingHandleNotice =
        "The IBIS-AMI model, Foxglove, cannot start: AMI_Init was given no memory handle "
        "argument. ";
    static constexpr const char* outOfMemoryNotice =
        "The IBIS-AMI model, Foxglove, ran out of memory. ";

    static constexpr AmiParameter<Foxglove> parameters[] = {
        {"VOD_Level", "Foxglove.VOD_Level", &Foxglove::VOD_Level, " VOD = "},
        {"DE_Level", "Foxglove.DE_Level", &Foxglove::DE_Level, "  DE = "},
        {"gain_debugonly", "Foxglove.gain_debugonly", &Foxglove::gain_debugonly, "debug gain = "},
        {"LTI_mode", "Foxglove.LTI_mode", &Foxglove::LTI_mode, " LTI mode = "},
    };

    static void HandOver(const Foxglove& model, std::int32_t samplesPerBit, Foxglove_lin& lti) {
        lti.BitTime = model.BitTime;
        lti.SamplePerBit = samplesPerBit;
        lti.VOD_Level = model.VOD_Level;
        lti.DE_Level = model.DE_Level;
        lti.gain_debugonly = model.gain_debugonly;
        lti.LTI_mode = model.LTI_mode;
    }

    static LimiterCurve ShapingCurve(const Foxglove_lin& lti) {
        return TransmitterShapingCurve(lti.VOD_Level);
    }
};

}  // namespace QuorvelZenth
