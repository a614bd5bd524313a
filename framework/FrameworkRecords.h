#pragma once

#include <cstdint>

#include "Export.h"

namespace QuorvelZenth {

// Plain records of the framework's public surface. The models of this code
// base never read them; their layout and copying are what other tools built
// on the framework rely on.

class QZ_EXPORT DFPort {
public:
    DFPort();
    DFPort(const DFPort& other);
    DFPort& operator=(const DFPort& other);

    void* handle;
};

class QZ_EXPORT DFParam {
public:
    DFParam();
    DFParam(const DFParam& other);
    DFParam& operator=(const DFParam& other);

    void* handle;
};

class QZ_EXPORT CRegisterModel {
public:
    CRegisterModel();
    CRegisterModel(const CRegisterModel& other);
    CRegisterModel& operator=(const CRegisterModel& other);

    void* handle;
};

// Four 64-bit words, 8 bytes each on every target.
class QZ_EXPORT SinkControl {
public:
    SinkControl();
    SinkControl(const SinkControl& other);
    SinkControl& operator=(const SinkControl& other);

    std::int64_t word0;
    std::int64_t word1;
    std::int64_t word2;
    std::int64_t word3;
};

class QZ_EXPORT DynamicControl {
public:
    DynamicControl();
    DynamicControl(const DynamicControl& other);
    DynamicControl& operator=(const DynamicControl& other);
};

}  // namespace QuorvelZenth
