// The entry points of a full model, written once for every model; what
// differs between models is in their Description (see ModelDescription.h).
//
// No exception leaves these functions: a failure of any kind becomes a 0
// result and, where there is somewhere to put it, a notice.
#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "AmiModelInstance.h"
#include "LtiShaping.h"
#include "ModelDescription.h"
#include "ParamReader.h"
#include "SampleGrid.h"

namespace QuorvelZenth {

namespace AmiFrameDetail {

inline void AppendQuietly(std::string& text, const char* notice) noexcept {
    try {
        text += notice;
    } catch (...) {
    }
}

// Notices of later calls are kept but not repeated back to back: a
// simulator that calls a failing model for every block must not grow the
// text without bound.
inline void AppendOnce(std::string& text, const std::string& notice) noexcept {
    const bool repeated = text.size() >= notice.size() &&
                          text.compare(text.size() - notice.size(), notice.size(), notice) == 0;
    if (!repeated) AppendQuietly(text, notice.c_str());
}

// Reads the parameters into the model, logging them, then prepares the
// model and, in linear mode, shapes the impulse matrix. Returns the result
// of Setup and Initialize.
template <typename Description>
long Prepare(AmiModelInstance<Description>& instance, std::ostream& log, double* matrix, long rows,
             long aggressors, double sampleInterval, double bitTime, const char* parameterString) {
    auto& model = instance.model;
    const char* const name = Description::modelName;
    const ParamReader reader(parameterString);

    model.BitTime = bitTime;
    const SampleGrid grid = MakeSampleGrid(name, sampleInterval, bitTime);
    instance.samplesPerBit = grid.samplesPerBit;
    model.SamplePerBit = grid.samplesPerBit;
    for (const auto& parameter : Description::parameters) {
        if (!reader.GetDouble(model.*parameter.field, parameter.path)) {
            instance.message += FallbackNotice(name, parameter.name);
        }
    }
    log << "parameter parsing complete : BitTime = " << model.BitTime
        << "  SamplePerBit = " << model.SamplePerBit;
    for (const auto& parameter : Description::parameters) {
        log << parameter.logLabel << model.*parameter.field;
    }
    log << "  \n";
    if (!grid.valid) {
        instance.message += grid.notice;
        return 0;
    }

    instance.input = std::make_unique<PortElement>(model.inputPort);
    instance.output = std::make_unique<PortElement>(model.outputPort);
    long result = 0;
    if (!model.Setup()) {
        instance.message += FailureNotice(name, "Setup");
    } else if (!model.Initialize()) {
        instance.message += FailureNotice(name, "Initialize");
    } else {
        instance.ready = true;
        result = 1;
    }
    if (model.LTI_mode == 1.0) {
        ShapeImpulseMatrix(instance, matrix, rows, aggressors, sampleInterval, log);
    }
    return result;
}

}  // namespace AmiFrameDetail

template <typename Description>
long AmiInit(double* impulseMatrix, long rowSize, long aggressors, double sampleInterval,
             double bitTime, const char* parameterString, void** memoryHandle,
             char** message) noexcept {
    using Instance = AmiModelInstance<Description>;
    if (memoryHandle == nullptr) {
        if (message != nullptr) *message = const_cast<char*>(Description::missingHandleNotice);
        return 0;
    }
    *memoryHandle = nullptr;
    std::unique_ptr<Instance> instance;
    long result = 0;
    try {
        std::ofstream log(Description::logFileName, std::ios::out | std::ios::trunc);
        log << "AMI_Init start.\n";
        instance.reset(new Instance());
        try {
            result = AmiFrameDetail::Prepare(*instance, log, impulseMatrix, rowSize, aggressors,
                                             sampleInterval, bitTime, parameterString);
        } catch (...) {
            result = 0;
            AmiFrameDetail::AppendQuietly(instance->message, Description::outOfMemoryNotice);
        }
        if (!instance->message.empty()) instance->deliveredMessage = instance->message;
    } catch (...) {
        result = 0;
    }
    if (!instance) {
        if (message != nullptr) *message = const_cast<char*>(Description::outOfMemoryNotice);
        return 0;
    }
    Instance* record = instance.release();
    *memoryHandle = record;
    if (message != nullptr) {
        if (!record->deliveredMessage.empty()) {
            *message = record->deliveredMessage.data();
        } else if (!record->message.empty()) {
            // Notices exist but could not be copied for delivery.
            *message = const_cast<char*>(Description::outOfMemoryNotice);
        }
    }
    return result;
}

template <typename Description>
long AmiGetWave(double* wave, long waveSize, double* clockTimes, void* memory) noexcept {
    if (memory == nullptr || waveSize < 0 || (wave == nullptr && waveSize > 0)) return 0;
    auto& instance = *static_cast<AmiModelInstance<Description>*>(memory);
    // A model that was refused or failed to set up has nothing to fire.
    if (!instance.ready) return 0;
    try {
        instance.clockTimes.resize(static_cast<std::size_t>(waveSize) + 1, 0.0);
        long result = 1;
        double& input = instance.input->value();
        const double& output = instance.output->value();
        for (long i = 0; i < waveSize; ++i) {
            input = wave[i];
            if (!instance.model.Run()) {
                AmiFrameDetail::AppendOnce(instance.message,
                                           FailureNotice(Description::modelName, "Run"));
                result = 0;
                break;
            }
            wave[i] = output;
        }
        instance.clockTimes[0] = -1.0;
        if (clockTimes != nullptr) clockTimes[0] = instance.clockTimes[0];
        return result;
    } catch (...) {
        return 0;
    }
}

template <typename Description>
long AmiClose(void* memory) noexcept {
    if (memory == nullptr) return 1;
    auto* instance = static_cast<AmiModelInstance<Description>*>(memory);
    long result = 1;
    try {
        if (!instance->model.Finalize()) {
            result = 0;
            AmiFrameDetail::AppendOnce(instance->message,
                                       FailureNotice(Description::modelName, "Finalize"));
        }
    } catch (...) {
        result = 0;
    }
    instance->input.reset();
    instance->output.reset();
    delete instance;
    return result;
}

}  // namespace QuorvelZenth
