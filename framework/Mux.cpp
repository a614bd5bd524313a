#include "Mux.h"

namespace QuorvelZenth {

std::string MuxRangeMessage(std::int32_t control, std::size_t inputCount) {
    const bool plural = inputCount > 1;
    std::string text = "Control input signal value is equal to ";
    text += std::to_string(control);
    text += ".  There ";
    text += plural ? "are " : "is ";
    text += std::to_string(inputCount);
    text += plural ? " inputs" : " input";
    text += " connected.  The valid control input range is [0,";
    text += std::to_string(static_cast<long long>(inputCount) - 1);
    text += "].";
    return text;
}

}  // namespace QuorvelZenth
