#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MessageCatalogue.h"

namespace {

std::string Captured(const std::function<void()>& report) {
    testing::internal::CaptureStderr();
    report();
    return testing::internal::GetCapturedStderr();
}

struct ReportCase {
    const char* label;
    std::function<void()> report;
    std::string line;
};

TEST(Reports, LinesOnTheErrorStream) {
    const ReportCase cases[] = {
        {"1906", [] { ReportError(1906, 24u); },
         "ERROR - Memory allocation failed.  This request 24.\n\n"},
        {"1907", [] { ReportError(1907, 4294967295u); },
         "ERROR - Memory reallocation failed.  This request 4294967295.\n\n"},
        {"1908", [] { ReportBug(1908, ".\\cmn", 1878); },
         "PROGRAM BUG - Unable to Allocate Memory: .\\cmn 1878\n"},
        {"0", [] { ReportError(0); }, "ERROR - Error code doesn't exist.\n"},
        {"bug kind", [] { ReportBug(1906, 7u); },
         "PROGRAM BUG - Memory allocation failed.  This request 7.\n\n"},
        {"unknown error", [] { ReportError(5000); }, ""},
        {"unknown bug", [] { ReportBug(-1); }, ""},
    };
    for (const ReportCase& c : cases) EXPECT_EQ(Captured(c.report), c.line) << c.label;
}

TEST(Reports, ErrorsOf72To75CharactersGetALineOfTheirOwn) {
    for (std::size_t length : {71, 72, 73, 74, 75, 76}) {
        const std::string text(length, 'x');
        const bool ownLine = length >= 72 && length <= 75;
        EXPECT_EQ(Captured([&] { WriteReportLine(MessageError, text.c_str()); }),
                  (ownLine ? "ERROR -\n    " : "ERROR - ") + text + "\n")
            << length;
        EXPECT_EQ(Captured([&] { WriteReportLine(MessageBug, text.c_str()); }),
                  "PROGRAM BUG - " + text + "\n")
            << length;
    }
}

TEST(FindMessage, BinarySearchOverTheCatalogue) {
    for (int32_t index = 0; index < messageCatalogueSize; ++index) {
        if (index > 0) {
            EXPECT_LT(messageCatalogue[index - 1].code, messageCatalogue[index].code);
        }
        EXPECT_EQ(FindMessage(messageCatalogue[index].code), index);
    }
    for (int32_t absent : {-1, 1, 100, 1905, 1909, 4911, 5000, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(FindMessage(absent), -1) << absent;
    }
}

}  // namespace
