#include "ModelSession.h"

#include <algorithm>

namespace QuorvelZenthHost {

long ModelSession::Init(ImpulseMatrix& matrix, double sampleInterval, double bitTime,
                        const std::string& parameters) {
    std::vector<char> text(parameters.begin(), parameters.end());
    text.push_back('\0');
    char* parametersOut = nullptr;
    char* message = nullptr;
    const long result = library.init(matrix.values.data(), static_cast<long>(matrix.rows),
                                     static_cast<long>(matrix.columns) - 1, sampleInterval, bitTime,
                                     text.data(), &parametersOut, &memory, &message);
    open = true;
    initMessage = message != nullptr ? message : "";
    return result;
}

long ModelSession::GetWave(std::vector<double>& wave, std::size_t block) {
    long result = 1;
    double clockTimes[2] = {0, 0};
    char* parametersOut = nullptr;
    for (std::size_t start = 0; start < wave.size(); start += block) {
        const std::size_t count = std::min(block, wave.size() - start);
        if (library.getWave(wave.data() + start, static_cast<long>(count), clockTimes,
                            &parametersOut, memory) != 1) {
            result = 0;
        }
    }
    return result;
}

long ModelSession::Close() {
    if (!open) return 1;
    open = false;
    return library.close(memory);
}

}  // namespace QuorvelZenthHost
