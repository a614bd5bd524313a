// Parses and lookups with one heap request refused, as when memory runs out.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CmnSupport.h"
#include "ParamReader.h"
#include "ParamTreeDump.h"

namespace {

const char* const sample =
    "(Larkspur (Model_Specific (EQ_Level 3 4.5 \"a b\")) (Limit 1) (x 1 (nested 2)))";
const char* const samplePath = "Larkspur.Model_Specific.EQ_Level";

std::string AllocationLine(std::size_t size) {
    return "ERROR - Memory allocation failed.  This request " + std::to_string(size) + ".\n\n";
}

struct FirstRequestCase {
    unsigned long ordinal;
    std::string report;
};

TEST(ParseUnderRefusal, TheFirstRequestsAndTheirReports) {
    const FirstRequestCase cases[] = {
        {1, AllocationLine(sizeof(ParamTree))},
        {2, AllocationLine(6 * sizeof(ParamEntry))},  // one per opening
        {3, AllocationLine(std::strlen(sample) + 1) +
                "PROGRAM BUG - Unable to Allocate Memory: .\\cmn 1878\n"},
        {4, AllocationLine(sizeof(ParamNode))},
        {5, ""},  // the branch name
    };
    for (const FirstRequestCase& c : cases) {
        testing::internal::CaptureStderr();
        CmnRefuseHeapRequest(c.ordinal);
        ParsedText parsed(sample);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.report) << c.ordinal;
        EXPECT_EQ(parsed.status, ParseNoMemory) << c.ordinal;
        EXPECT_EQ(parsed.tree, nullptr) << c.ordinal;
    }
}

// Every request of a parse, refused in turn, fails it cleanly: status 4,
// no tree, at most the reports of that request, nothing left allocated
// (the sanitizer build checks the last part).
TEST(ParseUnderRefusal, EveryRequestFailsTheParseCleanly) {
    const std::string reports =
        "(ERROR - Memory (re)?allocation failed\\.  This request [0-9]+\\.\n\n"
        "(PROGRAM BUG - Unable to Allocate Memory: \\.\\\\cmn 1878\n)?)?";
    unsigned long ordinal = 1;
    for (;; ++ordinal) {
        testing::internal::CaptureStderr();
        CmnRefuseHeapRequest(ordinal);
        ParsedText parsed(sample);
        const std::string written = testing::internal::GetCapturedStderr();
        if (CmnHeapRefusalPending()) {
            CmnRefuseHeapRequest(0);
            EXPECT_EQ(parsed.status, ParseOk);
            EXPECT_EQ(written, "");
            break;
        }
        EXPECT_EQ(parsed.status, ParseNoMemory) << ordinal;
        EXPECT_EQ(parsed.tree, nullptr) << ordinal;
        EXPECT_THAT(written, testing::MatchesRegex(reports)) << ordinal;
    }
    EXPECT_GT(ordinal, 20u);
}

TEST(LookupUnderRefusal, AnswersFalseQuietly) {
    const ParamReader reader(sample);
    ASSERT_TRUE(reader.ok);
    double value = -1.0;
    testing::internal::CaptureStderr();
    CmnRefuseHeapRequest(1);
    EXPECT_FALSE(reader.GetDouble(value, samplePath));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(value, -1.0);
    EXPECT_TRUE(reader.GetDouble(value, samplePath));
    EXPECT_EQ(value, 3.0);
}

}  // namespace
