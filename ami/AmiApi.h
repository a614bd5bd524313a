// The IBIS-AMI entry points as a simulator resolves them: plain C names,
// `long` results (1 success, 0 failure) and the caller-cleans-up convention.
#pragma once

#if defined(_WIN32)
#define AMI_EXPORT __declspec(dllexport)
#define AMI_CALL __cdecl
#else
#define AMI_EXPORT __attribute__((visibility("default")))
#define AMI_CALL
#endif

extern "C" {

AMI_EXPORT long AMI_CALL AMI_Init(double* impulseMatrix, long rowSize, long aggressors,
                                  double sampleInterval, double bitTime, char* parametersIn,
                                  char** parametersOut, void** memoryHandle, char** message);

AMI_EXPORT long AMI_CALL AMI_GetWave(double* wave, long waveSize, double* clockTimes,
                                     char** parametersOut, void* memory);

AMI_EXPORT long AMI_CALL AMI_Close(void* memory);

typedef long(AMI_CALL* AmiInitFunction)(double*, long, long, double, double, char*, char**, void**,
                                        char**);
typedef long(AMI_CALL* AmiGetWaveFunction)(double*, long, double*, char**, void*);
typedef long(AMI_CALL* AmiCloseFunction)(void*);
}
