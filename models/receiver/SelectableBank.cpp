#include "SelectableBank.h"

#include <algorithm>

namespace QuorvelZenth {

void ReleaseTableCopies(TimeResponseFIR& filter) {
    delete[] filter.Response;
    filter.Response = nullptr;
    delete[] filter.ResponseTimeStamps;
    filter.ResponseTimeStamps = nullptr;
}

bool SetupBranch(TimeResponseFIR& filter, const double* response, const double* timeStamps,
                 int count, double sampleRate) {
    ReleaseTableCopies(filter);

    filter.ResponseType = 0;
    filter.Response = new double[count];
    std::copy(response, response + count, filter.Response);
    filter.ResponseCount = count;
    filter.ResponseTimeStamps = new double[count];
    std::copy(timeStamps, timeStamps + count, filter.ResponseTimeStamps);
    filter.TimeStampCount = count;
    filter.SampleRate = sampleRate;
    return filter.Setup();
}

}  // namespace QuorvelZenth
