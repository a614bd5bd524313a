#include "MessageCatalogue.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>

const MessageEntry messageCatalogue[] = {
    {MessageNoSuchCode, "Error code doesn't exist."},
    {MessageAllocationFailed, "Memory allocation failed.  This request %u.\n"},
    {MessageReallocationFailed, "Memory reallocation failed.  This request %u.\n"},
    {MessageDuplicationFailed, "Unable to Allocate Memory: %s %d"},
};
const int32_t messageCatalogueSize =
    static_cast<int32_t>(sizeof messageCatalogue / sizeof messageCatalogue[0]);

namespace {

// Reports share one stream, chosen by the first of them. Atomic so that
// parses on different threads do not race on the first report.
std::atomic<FILE*> reportStream{nullptr};

FILE* ReportStream() {
    FILE* stream = reportStream.load(std::memory_order_relaxed);
    if (stream == nullptr) {
        stream = stderr;
        reportStream.store(stream, std::memory_order_relaxed);
    }
    return stream;
}

// Texts longer than the buffer are cut at its end: every text this module
// reports is far shorter.
constexpr std::size_t reportBufferSize = 2208;

void Report(MessageKind kind, int32_t code, va_list arguments) {
    const int32_t index = FindMessage(code);
    if (index < 0) return;
    char text[reportBufferSize];
    if (std::vsnprintf(text, sizeof text, messageCatalogue[index].text, arguments) < 0) return;
    WriteReportLine(kind, text);
}

}  // namespace

int32_t FindMessage(int32_t code) {
    int32_t low = 0;
    int32_t high = messageCatalogueSize - 1;
    while (low <= high) {
        const int32_t middle = low + (high - low) / 2;
        if (messageCatalogue[middle].code == code) return middle;
        if (messageCatalogue[middle].code < code) {
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return -1;
}

void WriteReportLine(MessageKind kind, const char* text) {
    FILE* stream = ReportStream();
    if (kind == MessageBug) {
        std::fprintf(stream, "PROGRAM BUG - %s\n", text);
        return;
    }
    // A text of this length would just overrun 79 columns after the
    // 8-character prefix but fits them behind a 4-space indent; a longer one
    // wraps either way.
    const std::size_t length = std::strlen(text);
    if (length >= 72 && length <= 75) {
        std::fprintf(stream, "ERROR -\n    %s\n", text);
    } else {
        std::fprintf(stream, "ERROR - %s\n", text);
    }
}

void ReportError(int32_t code, ...) {
    va_list arguments;
    va_start(arguments, code);
    Report(MessageError, code, arguments);
    va_end(arguments);
}

void ReportBug(int32_t code, ...) {
    va_list arguments;
    va_start(arguments, code);
    Report(MessageBug, code, arguments);
    va_end(arguments);
}
