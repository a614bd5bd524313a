#include "AmiLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

namespace QuorvelZenthHost {

namespace {

void* Resolve(void* handle, const char* name, const std::string& path, bool required) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr && required) {
        throw std::runtime_error(path + " does not export " + name);
    }
    return symbol;
}

}  // namespace

AmiLibrary::AmiLibrary(const std::string& path) : libraryPath(path) {
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load " + path + ": " +
                                 (reason ? reason : "unknown error"));
    }
    try {
        init = reinterpret_cast<AmiInitFunction>(Resolve(handle, "AMI_Init", path, true));
        getWave = reinterpret_cast<AmiGetWaveFunction>(Resolve(handle, "AMI_GetWave", path, false));
        close = reinterpret_cast<AmiCloseFunction>(Resolve(handle, "AMI_Close", path, true));
    } catch (...) {
        dlclose(handle);
        throw;
    }
}

AmiLibrary::~AmiLibrary() { dlclose(handle); }

}  // namespace QuorvelZenthHost
