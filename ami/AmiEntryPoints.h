// Defines a full model library's three exported entry points on top of the
// AMI frame; a library expands it once with its model description.
#pragma once

#include "AmiApi.h"
#include "AmiFrame.h"

#define QZ_DEFINE_AMI_ENTRY_POINTS(Description)                                                 \
    extern "C" AMI_EXPORT long AMI_CALL AMI_Init(                                               \
        double* impulseMatrix, long rowSize, long aggressors, double sampleInterval,            \
        double bitTime, char* parametersIn, char**, void** memoryHandle, char** message) {      \
        return QuorvelZenth::AmiInit<Description>(impulseMatrix, rowSize, aggressors,           \
                                                  sampleInterval, bitTime, parametersIn,        \
                                                  memoryHandle, message);                       \
    }                                                                                           \
    extern "C" AMI_EXPORT long AMI_CALL AMI_GetWave(double* wave, long waveSize,                \
                                                    double* clockTimes, char**, void* memory) { \
        return QuorvelZenth::AmiGetWave<Description>(wave, waveSize, clockTimes, memory);       \
    }                                                                                           \
    extern "C" AMI_EXPORT long AMI_CALL AMI_Close(void* memory) {                               \
        return QuorvelZenth::AmiClose<Description>(memory);                                     \
    }
