#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PortElement.h"

namespace QuorvelZenth {

// The record behind the AMI memory handle: everything one model instance
// owns between AMI_Init and AMI_Close.
template <typename Description>
struct AmiModelInstance {
    typename Description::Model model;
    typename Description::SubModel lti;
    std::string message;  // notices; appended to, never cleared
    std::vector<double> clockTimes;
    std::int32_t samplesPerBit = 0;

    // The one-element arrays behind model.inputPort and model.outputPort.
    std::unique_ptr<PortElement> input;
    std::unique_ptr<PortElement> output;
    // The text handed to the simulator, frozen at the end of AMI_Init so it
    // stays valid while later notices grow `message`.
    std::string deliveredMessage;
    // Setup and Initialize succeeded: the model may fire.
    bool ready = false;
};

}  // namespace QuorvelZenth
