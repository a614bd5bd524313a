// AMI_Init and AMI_Close of the pass-through libraries, shared by both; each
// library instantiates them for its own model class and name.
#pragma once

#include <memory>
#include <new>
#include <string>

#include "PortElement.h"

namespace QuorvelZenth {

template <typename Model>
struct PassThroughInstance {
    Model model;
    std::string message;
};

namespace PassThrough {

inline std::string Notice(const char* modelName, const std::string& event) {
    return std::string("Error occurred in ") + modelName + event + " ";
}

// Runs column 0 through the model's whole lifecycle in place.
template <typename Model>
long ProcessColumn(PassThroughInstance<Model>& instance, const char* modelName, double* column,
                   long rowSize) {
    Model& model = instance.model;
    PortElement input(model.inputPort);
    PortElement output(model.outputPort);
    long result = 1;
    if (!model.Setup()) {
        instance.message += Notice(modelName, "::Setup().");
        result = 0;
    } else if (!model.Initialize()) {
        instance.message += Notice(modelName, "::Initialize().");
        result = 0;
    } else {
        for (long i = 0; i < rowSize; ++i) {
            input.value() = column[i];
            if (!model.Run()) {
                instance.message += Notice(modelName, "::Run().");
                result = 0;
                break;
            }
            column[i] = output.value();
        }
    }
    if (!model.Finalize()) {
        instance.message += Notice(modelName, "::Finalize().");
        result = 0;
    }
    return result;
}

}  // namespace PassThrough

// Texts that must be available without allocating.
struct PassThroughNames {
    const char* model;
    const char* missingHandleNotice;
    const char* outOfMemoryNotice;
};

template <typename Model>
long PassThroughInit(const PassThroughNames& names, double* impulseMatrix, long rowSize,
                     void** memoryHandle, char** message) noexcept {
    if (memoryHandle == nullptr) {
        if (message != nullptr) *message = const_cast<char*>(names.missingHandleNotice);
        return 0;
    }
    *memoryHandle = nullptr;
    std::unique_ptr<PassThroughInstance<Model>> instance;
    try {
        instance.reset(new PassThroughInstance<Model>());
    } catch (...) {
        if (message != nullptr) *message = const_cast<char*>(names.outOfMemoryNotice);
        return 0;
    }
    long result = 0;
    try {
        if (rowSize < 0) {
            instance->message +=
                PassThrough::Notice(names.model, " AMI_Init: the row size " +
                                                     std::to_string(rowSize) + " is negative.");
        } else if (impulseMatrix == nullptr && rowSize > 0) {
            instance->message += PassThrough::Notice(
                names.model, " AMI_Init: the impulse matrix is NULL while the row size is " +
                                 std::to_string(rowSize) + ".");
        } else {
            result = PassThrough::ProcessColumn(*instance, names.model, impulseMatrix, rowSize);
        }
    } catch (...) {
        result = 0;
        try {
            instance->message += names.outOfMemoryNotice;
        } catch (...) {
        }
    }
    auto* record = instance.release();
    *memoryHandle = record;
    if (message != nullptr) {
        if (!record->message.empty()) {
            *message = const_cast<char*>(record->message.c_str());
        } else if (result == 0) {
            *message = const_cast<char*>(names.outOfMemoryNotice);
        }
    }
    return result;
}

template <typename Model>
long PassThroughClose(void* memoryHandle) noexcept {
    delete static_cast<PassThroughInstance<Model>*>(memoryHandle);
    return 1;
}

}  // namespace QuorvelZenth
