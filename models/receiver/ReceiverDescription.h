// The receiver's entry in the AMI frame: its models, names, parameters and
// the limiter curves of its linear-mode shaping.
#pragma once

#include <cstdint>

#include "Larkspur.h"
#include "Larkspur_lti.h"
#include "ModelDescription.h"
#include "SampleGrid.h"
#include "ShapingCurves.h"

namespace QuorvelZenth {

struct ReceiverDescription {
    using Model = Larkspur;
    using SubModel = Larkspur_lti;

    static constexpr const char* modelName = "Larkspur";
    static constexpr const char* subModelName = "Larkspur_lti";
    static constexpr const char* logFileName = "rx_init_debug_log.txt";
    static constexpr const char* missingHandleNotice =
        "The IBIS-AMI model, Larkspur, cannot start: AMI_Init was given no memory handle "
        "argument. ";
    static constexpr const char* outOfMemoryNotice =
        "The IBIS-AMI model, Larkspur, ran out of memory. ";

    static constexpr AmiParameter<Larkspur> parameters[] = {
        {"EQ_Level", "Larkspur.EQ_Level", &Larkspur::EQ_Level, " EQ = "},
        {"Limit", "Larkspur.Limit", &Larkspur::Limit, "  Limit = "},
        {"LTI_mode", "Larkspur.LTI_mode", &Larkspur::LTI_mode, " LTI mode = "},
    };

    // The sub-model takes integer levels, truncated toward zero.
    static void HandOver(const Larkspur& model, std::int32_t samplesPerBit, Larkspur_lti& lti) {
        lti.SamplePerBit = samplesPerBit;
        lti.BitTime = model.BitTime;
        lti.EQ_Level = TruncateToInt32(model.EQ_Level);
        lti.Limit = TruncateToInt32(model.Limit);
        lti.LTI_mode = model.LTI_mode;
    }

    static LimiterCurve ShapingCurve(const Larkspur_lti& lti) {
        return ReceiverShapingCurve(lti.Limit);
    }
};

}  // namespace QuorvelZenth
