#pragma once

#include "Export.h"

namespace QuorvelZenth {

class DFModel;

// Process-wide sink for block diagnostics. Every Post writes the text as
// given, a newline, and flushes the standard error stream; the kinds differ
// only in what the caller means. Nothing is counted or remembered.
class QZ_EXPORT DFErrorHandler {
public:
    static void PostError(DFModel* sender, const char* text);
    static void PostWarning(DFModel* sender, const char* text);
    static void PostInfo(DFModel* sender, const char* text);
    static void PostLog(DFModel* sender, const char* text);
    static void PostProgress(DFModel* sender, const char* text);
    static void ClearProgress(DFModel* sender);
    static bool StopRequested();
};

}  // namespace QuorvelZenth
