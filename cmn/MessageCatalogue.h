// Numbered messages of the parameter-string module and the two ways of
// reporting them on the standard error stream.
#pragma once

#include <cstdint>

struct MessageEntry {
    int32_t code;
    const char* text;  // printf-style format
};

enum MessageKind : int32_t { MessageError = 0, MessageBug = 1 };

// Codes this module reports.
enum : int32_t {
    MessageNoSuchCode = 0,
    MessageAllocationFailed = 1906,    // argument: requested size, unsigned 32-bit
    MessageReallocationFailed = 1907,  // argument: requested size, unsigned 32-bit
    MessageDuplicationFailed = 1908,   // arguments: source name, line
};

// Ordered by ascending code; FindMessage relies on it.
extern const MessageEntry messageCatalogue[];
extern const int32_t messageCatalogueSize;

// Index of the entry with this code, or -1.
int32_t FindMessage(int32_t code);

// Format the catalogue text of `code` with the arguments and write it as one
// report. An unknown code writes nothing; nothing is returned to the caller.
void ReportError(int32_t code, ...);
void ReportBug(int32_t code, ...);

// The line layout of a report whose text is already formatted.
void WriteReportLine(MessageKind kind, const char* text);
