#pragma once

#include <cstddef>
#include <cstdint>

#include "CircularBuffer.h"
#include "DFErrorHandler.h"
#include "DFModel.h"

namespace QuorvelZenth {

// A constant source: the first InitialDelay firings after Initialize emit the
// delay sample (0), every later firing emits Value.
template <typename T, typename B>
class ConstUnTimedBase : public DFModel {
public:
    B output;
    T Value = T();
    std::int32_t InitialDelay = 0;
    std::size_t firingCount = 0;

    virtual void EmitDelaySample() { output[0] = T(); }

    bool UpdateDynamicParameters() override {
        if (InitialDelay < 0) {
            DFErrorHandler::PostError(this, "InitialDelay must be >= 0");
            return false;
        }
        return true;
    }

    bool Initialize() override {
        firingCount = 0;
        return UpdateDynamicParameters();
    }

    bool Run() override {
        if (firingCount < static_cast<std::size_t>(InitialDelay)) {
            EmitDelaySample();
        } else {
            output[0] = Value;
        }
        ++firingCount;
        return true;
    }
};

template <typename T>
class ConstUnTimed : public ConstUnTimedBase<T, CircularBuffer<T>> {};

}  // namespace QuorvelZenth
