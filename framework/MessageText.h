#pragma once

#include <locale>
#include <sstream>
#include <string>

namespace QuorvelZenth {

// Concatenates the pieces of a diagnostic as a default output stream writes
// them (doubles in general format with six significant digits), whatever
// global locale the host process has installed.
template <typename... Pieces>
std::string MessageText(const Pieces&... pieces) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    (text << ... << pieces);
    return text.str();
}

}  // namespace QuorvelZenth
