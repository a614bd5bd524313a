#pragma once

#include <string>

#include "AmiApi.h"

namespace QuorvelZenthHost {

// A model library loaded the way a simulator loads it: by file name, with
// the entry points resolved by their plain names.
class AmiLibrary {
public:
    // Throws std::runtime_error when the library or a required entry point
    // cannot be found. AMI_GetWave is optional.
    explicit AmiLibrary(const std::string& path);
    AmiLibrary(const AmiLibrary&) = delete;
    AmiLibrary& operator=(const AmiLibrary&) = delete;
    ~AmiLibrary();

    const std::string& path() const { return libraryPath; }
    bool hasGetWave() const { return getWave != nullptr; }

    AmiInitFunction init = nullptr;
    AmiGetWaveFunction getWave = nullptr;
    AmiCloseFunction close = nullptr;

private:
    std::string libraryPath;
    void* handle = nullptr;
};

}  // namespace QuorvelZenthHost
