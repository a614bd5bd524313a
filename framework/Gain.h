#pragma once

#include "CircularBuffer.h"
#include "DFModel.h"

namespace QuorvelZenth {

// output = input x GainValue.
template <typename T>
class Gain : public DFModel {
public:
    T GainValue;  // assigned by the owner before Setup
    CircularBuffer<T> input;
    CircularBuffer<T> output;

    bool Run() override {
        output[0] = input[0] * GainValue;
        return true;
    }
};

}  // namespace QuorvelZenth
