#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

#include "DFErrorHandler.h"
#include "DFModel.h"
#include "FrameworkRecords.h"
#include "TimedDFModel.h"

using namespace QuorvelZenth;

namespace {

TEST(DFModel, OperationsNotOverriddenSucceed) {
    DFModel model;
    EXPECT_TRUE(model.Setup());
    EXPECT_TRUE(model.Initialize());
    EXPECT_TRUE(model.Run());
    EXPECT_TRUE(model.Finalize());
    EXPECT_TRUE(model.UpdateDynamicParameters());
}

TEST(DFErrorHandler, EveryPostWritesTheTextAndANewlineOnly) {
    using Post = void (*)(DFModel*, const char*);
    const Post posts[] = {&DFErrorHandler::PostError, &DFErrorHandler::PostWarning,
                          &DFErrorHandler::PostInfo, &DFErrorHandler::PostLog,
                          &DFErrorHandler::PostProgress};
    DFModel sender;
    for (Post post : posts) {
        testing::internal::CaptureStderr();
        post(&sender, "Decimation must be > 0");
        post(nullptr, "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Decimation must be > 0\n\n");
    }
}

TEST(DFErrorHandler, PostingNeverRequestsAStop) {
    testing::internal::CaptureStderr();
    for (int i = 0; i < 3; ++i) DFErrorHandler::PostError(nullptr, "failure");
    DFErrorHandler::ClearProgress(nullptr);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(DFErrorHandler::StopRequested());
}

TEST(DFErrorHandler, NullTextIsWrittenAsAnEmptyLine) {
    testing::internal::CaptureStderr();
    DFErrorHandler::PostError(nullptr, nullptr);
    DFErrorHandler::PostInfo(nullptr, "still writing");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "\nstill writing\n");
}

TEST(TimedDFModel, CountsAdvancesAndCopiesTheCount) {
    TimedDFModel timed;
    EXPECT_EQ(timed.GetCount(), 0u);
    for (int i = 0; i < 5; ++i) timed.Advance();
    EXPECT_EQ(timed.GetCount(), 5u);

    TimedDFModel copy(timed);
    EXPECT_EQ(copy.GetCount(), 5u);
    TimedDFModel assigned;
    assigned = timed;
    EXPECT_EQ(assigned.GetCount(), 5u);
}

TEST(TimedDFModel, LatencyHooksAreNotImplemented) {
    TimedDFModel timed;
    EXPECT_EQ(static_cast<std::uint32_t>(timed.CalculateLatency()), 0x80004001u);
    EXPECT_EQ(static_cast<std::uint32_t>(timed.PropagateCharacterizationFrequency()), 0x80004001u);
    EXPECT_EQ(timed.GetCount(), 0u);
}

TEST(FrameworkRecords, LayoutIsTheSameOnEveryTarget) {
    EXPECT_EQ(sizeof(SinkControl), 32u);
    EXPECT_EQ(sizeof(DFPort), sizeof(void*));
    EXPECT_EQ(sizeof(DFParam), sizeof(void*));
    EXPECT_EQ(sizeof(CRegisterModel), sizeof(void*));
    EXPECT_TRUE(std::is_empty<DynamicControl>::value);
}

TEST(FrameworkRecords, CopiesCarryEveryMember) {
    SinkControl sink;
    sink.word0 = 1;
    sink.word1 = -2;
    sink.word2 = INT64_MAX;
    sink.word3 = INT64_MIN;
    SinkControl copy;
    copy = sink;
    EXPECT_EQ(copy.word0, 1);
    EXPECT_EQ(copy.word1, -2);
    EXPECT_EQ(copy.word2, INT64_MAX);
    EXPECT_EQ(copy.word3, INT64_MIN);

    int target = 0;
    DFPort port;
    port.handle = &target;
    EXPECT_EQ(DFPort(port).handle, &target);
    CRegisterModel registerModel;
    registerModel.handle = &target;
    CRegisterModel registerCopy;
    registerCopy = registerModel;
    EXPECT_EQ(registerCopy.handle, &target);
}

}  // namespace
