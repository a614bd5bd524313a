#include "DFErrorHandler.h"

#include <iostream>

namespace QuorvelZenth {

namespace {

void WriteLine(const char* text) {
    // A null text is written as an empty line rather than poisoning the stream.
    std::cerr << (text != nullptr ? text : "") << '\n' << std::flush;
}

}  // namespace

void DFErrorHandler::PostError(DFModel*, const char* text) { WriteLine(text); }
void DFErrorHandler::PostWarning(DFModel*, const char* text) { WriteLine(text); }
void DFErrorHandler::PostInfo(DFModel*, const char* text) { WriteLine(text); }
void DFErrorHandler::PostLog(DFModel*, const char* text) { WriteLine(text); }
void DFErrorHandler::PostProgress(DFModel*, const char* text) { WriteLine(text); }
void DFErrorHandler::ClearProgress(DFModel*) {}
bool DFErrorHandler::StopRequested() { return false; }

}  // namespace QuorvelZenth
