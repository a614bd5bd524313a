#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "AmiLibrary.h"
#include "ExampleSignals.h"

namespace QuorvelZenthHost {

// One model instance of a loaded library, from AMI_Init to AMI_Close.
class ModelSession {
public:
    explicit ModelSession(AmiLibrary& loaded) : library(loaded) {}
    ModelSession(const ModelSession&) = delete;
    ModelSession& operator=(const ModelSession&) = delete;
    ~ModelSession() { Close(); }

    // AMI_Init on the matrix, rewritten in place as the model returns it.
    long Init(ImpulseMatrix& matrix, double sampleInterval, double bitTime,
              const std::string& parameters);
    // AMI_GetWave over the wave in blocks of `block` samples; 1 when every
    // call returned 1.
    long GetWave(std::vector<double>& wave, std::size_t block);
    long Close();

    const std::string& message() const { return initMessage; }

private:
    AmiLibrary& library;
    void* memory = nullptr;
    bool open = false;
    std::string initMessage;
};

}  // namespace QuorvelZenthHost
