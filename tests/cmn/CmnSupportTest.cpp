#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CmnSupport.h"

namespace {

struct CheckCase {
    int number;
    void (*violate)();
};

TEST(CmnSupportDeathTest, ViolatedChecksEndTheProcess) {
    const CheckCase cases[] = {
        {391, [] { CmnAlloc(static_cast<void**>(nullptr), 8); }},
        {392,
         [] {
             void* block = nullptr;
             CmnAlloc(&block, 0);
         }},
        {421, [] { CmnResize(static_cast<void**>(nullptr), 8); }},
        {422,
         [] {
             void* block = nullptr;
             CmnResize(&block, 0);
         }},
        {465,
         [] {
             void* block = nullptr;
             CmnRelease(&block);
         }},
        {607, [] { CmnSkipSpace(static_cast<const char**>(nullptr)); }},
    };
    for (const CheckCase& c : cases) {
        EXPECT_DEATH(c.violate(),
                     "^\\.\\\\cmn:" + std::to_string(c.number) + ":assertion failed\\.\n")
            << c.number;
    }
}

struct SkipCase {
    std::string text;
    int result;
    std::size_t stop;  // characters passed
};

TEST(CmnSkipSpace, StopsAtTheFirstOtherCharacterOrTheLimit) {
    const SkipCase cases[] = {
        {"", 1, 0},
        {"x ", 1, 0},
        {" \t\n\v\f\rx", 1, 6},
        {"   ", 1, 3},
        {"\xa0x", 1, 0},
        {std::string(120, ' ') + "x", 1, 120},
        {std::string(120, '\t'), 1, 120},
        {std::string(121, ' ') + "x", 0, 120},
        {std::string(500, '\n'), 0, 120},
    };
    for (const SkipCase& c : cases) {
        const char* cursor = c.text.c_str();
        EXPECT_EQ(CmnSkipSpace(&cursor), c.result) << c.text.size();
        EXPECT_EQ(static_cast<std::size_t>(cursor - c.text.c_str()), c.stop) << c.text.size();
    }
}

TEST(CmnBlocks, GrowOneElementAtATimeKeepingTheContents) {
    int* numbers = nullptr;
    ASSERT_EQ(CmnAlloc(&numbers, sizeof(int)), 1);
    EXPECT_EQ(numbers[0], 0);
    for (int count = 1; count < 5000; ++count) {
        numbers[count - 1] = count;
        ASSERT_EQ(CmnResize(&numbers, (count + 1) * sizeof(int)), 1);
    }
    for (int count = 1; count < 5000; ++count) ASSERT_EQ(numbers[count - 1], count);
    CmnRelease(&numbers);
    EXPECT_EQ(numbers, nullptr);
}

TEST(CmnText, CopiesOfWholeTextsAndPrefixes) {
    EXPECT_EQ(CmnDupText(nullptr), nullptr);
    char* copy = CmnDupText("(root (x 1))");
    EXPECT_STREQ(copy, "(root (x 1))");
    CmnRelease(&copy);
    char* prefix = CmnCopyPrefix("EQ_Level 3", 8);
    EXPECT_STREQ(prefix, "EQ_Level");
    CmnRelease(&prefix);
    char* empty = CmnCopyPrefix("abc", 0);
    EXPECT_STREQ(empty, "");
    CmnRelease(&empty);
}

std::string Captured(void (*run)()) {
    testing::internal::CaptureStderr();
    run();
    return testing::internal::GetCapturedStderr();
}

TEST(CmnRefusals, EachRoutineReportsItsOwnWay) {
    EXPECT_EQ(Captured([] {
                  void* block = reinterpret_cast<void*>(1);
                  CmnRefuseHeapRequest(1);
                  EXPECT_EQ(CmnAlloc(&block, 24), 0);
                  EXPECT_EQ(block, nullptr);
              }),
              "ERROR - Memory allocation failed.  This request 24.\n\n");
    EXPECT_EQ(Captured([] {
                  char* block = CmnDupText("abc");
                  CmnRefuseHeapRequest(1);
                  EXPECT_EQ(CmnResize(&block, 40), 0);
                  EXPECT_STREQ(block, "abc");  // still the caller's
                  CmnRelease(&block);
              }),
              "ERROR - Memory reallocation failed.  This request 40.\n\n");
    EXPECT_EQ(Captured([] {
                  CmnRefuseHeapRequest(1);
                  EXPECT_EQ(CmnDupText("abcdefg"), nullptr);
              }),
              "ERROR - Memory allocation failed.  This request 8.\n\n"
              "PROGRAM BUG - Unable to Allocate Memory: .\\cmn 1878\n");
    EXPECT_EQ(Captured([] {
                  CmnRefuseHeapRequest(1);
                  EXPECT_EQ(CmnCopyPrefix("abc", 2), nullptr);
                  void* block = nullptr;
                  CmnRefuseHeapRequest(1);
                  EXPECT_EQ(CmnResizeQuietly(&block, 8), 0);
              }),
              "");
    EXPECT_FALSE(CmnHeapRefusalPending());
}

TEST(CmnRefusals, OnlyTheRequestWithTheOrdinalIsRefused) {
    CmnRefuseHeapRequest(3);
    char* first = CmnCopyPrefix("a", 1);
    char* second = CmnCopyPrefix("b", 1);
    EXPECT_TRUE(CmnHeapRefusalPending());
    char* third = CmnCopyPrefix("c", 1);
    char* fourth = CmnCopyPrefix("d", 1);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_EQ(third, nullptr);
    EXPECT_NE(fourth, nullptr);
    EXPECT_FALSE(CmnHeapRefusalPending());
    CmnRelease(&first);
    CmnRelease(&second);
    CmnRelease(&fourth);
}

}  // namespace
