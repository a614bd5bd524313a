#pragma once

#include <cstddef>

#include "CircularBufferBus.h"
#include "DFModel.h"

namespace QuorvelZenth {

// Copies its input sample to every output of the bus.
template <typename B>
class Fork : public DFModel {
public:
    B input;
    CircularBufferBusT<B> outputs;

    bool Run() override {
        const auto sample = input[0];
        for (std::size_t i = 0; i < outputs.size; ++i) outputs.buffers[i][0] = sample;
        return true;
    }
};

}  // namespace QuorvelZenth
