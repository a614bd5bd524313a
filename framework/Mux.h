#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "CircularBufferBus.h"
#include "DFErrorHandler.h"
#include "DFModel.h"

namespace QuorvelZenth {

std::string MuxRangeMessage(std::int32_t control, std::size_t inputCount);

// Passes BlockSize samples of input number `control` on. The owner latches
// `control` from its control connection before each firing.
template <typename B>
class Mux : public DFModel {
public:
    CircularBufferBusT<B> inputs;
    B output;
    std::int32_t control = 0;
    std::int32_t BlockSize = 1;

    bool Setup() override {
        if (BlockSize < 1) {
            DFErrorHandler::PostError(this, "BlockSize must be >= 1");
            return false;
        }
        const auto samples = static_cast<std::size_t>(BlockSize);
        output.DeclareRate(samples);
        for (std::size_t i = 0; i < inputs.size; ++i) inputs.buffers[i].DeclareRate(samples);
        return true;
    }

    bool Run() override {
        if (control >= 0 && static_cast<std::size_t>(control) < inputs.size) {
            inputs.buffers[control].CopyTo(0, output, 0, static_cast<std::size_t>(BlockSize));
            return true;
        }
        DFErrorHandler::PostError(this, MuxRangeMessage(control, inputs.size).c_str());
        return false;
    }
};

}  // namespace QuorvelZenth
