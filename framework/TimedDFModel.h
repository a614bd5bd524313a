#pragma once

#include <cstdint>

#include "DFModel.h"

namespace QuorvelZenth {

// A block that counts its firings. The latency and characterisation hooks
// are placeholders that report "not implemented".
class QZ_EXPORT TimedDFModel : public DFModel {
public:
    // Windows' E_NOTIMPL, kept as the framework's "not implemented" status.
    static constexpr std::int32_t NotImplemented = static_cast<std::int32_t>(0x80004001u);

    TimedDFModel();
    TimedDFModel(const TimedDFModel& other);
    TimedDFModel& operator=(const TimedDFModel& other);
    ~TimedDFModel() override;

    virtual std::int32_t CalculateLatency();
    virtual std::int32_t PropagateCharacterizationFrequency();

    void Advance();
    std::uint64_t GetCount() const;

private:
    std::uint64_t sampleCount;
};

}  // namespace QuorvelZenth
