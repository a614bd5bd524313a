// The pass-through library of this build, loaded by path and driven through
// its exported entry points. QZ_LIBRARY_PATH and QZ_MODEL_NAME come from the
// build.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "AmiLibrary.h"

using QuorvelZenthHost::AmiLibrary;

namespace {

const std::string modelName = QZ_MODEL_NAME;

AmiLibrary& Library() {
    static AmiLibrary library(QZ_LIBRARY_PATH);
    return library;
}

struct InitCall {
    long result = -1;
    void* memory = reinterpret_cast<void*>(0x1);
    char* message = const_cast<char*>("untouched");

    void Run(double* matrix, long rows, long aggressors = 0) {
        char parameters[] = "(Anything (x 1))";
        char* parametersOut = nullptr;
        result = Library().init(matrix, rows, aggressors, 1.953125e-12, 1.25e-10, parameters,
                                &parametersOut, &memory, &message);
        EXPECT_EQ(parametersOut, nullptr) << "the output parameter string is never written";
    }
    long Close() { return Library().close(memory); }
};

// Column 0 placed right before an inaccessible page: touching anything after
// it (the aggressor columns) would fault.
class GuardedColumn {
public:
    explicit GuardedColumn(std::size_t rows) {
        page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        const std::size_t bytes = rows * sizeof(double);
        span = (bytes + page - 1) / page * page + page;
        base = static_cast<char*>(
            mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        EXPECT_NE(base, MAP_FAILED);
        EXPECT_EQ(mprotect(base + span - page, page, PROT_NONE), 0);
        column = reinterpret_cast<double*>(base + span - page - bytes);
    }
    ~GuardedColumn() { munmap(base, span); }
    double* column;

private:
    std::size_t page;
    std::size_t span;
    char* base;
};

TEST(PassThroughLibrary, ReturnsColumnZeroBitForBit) {
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> values(-1e11, 1e11);
    const long rows = 4000;
    std::vector<double> matrix(rows);
    for (double& value : matrix) value = values(random);
    matrix[1] = -0.0;
    matrix[2] = 4.9e-324;
    const std::vector<double> original = matrix;

    InitCall call;
    call.Run(matrix.data(), rows);
    EXPECT_EQ(call.result, 1);
    EXPECT_STREQ(call.message, "untouched") << "no notice, so the argument keeps its value";
    EXPECT_EQ(std::memcmp(matrix.data(), original.data(), rows * sizeof(double)), 0);
    EXPECT_EQ(call.Close(), 1);
}

TEST(PassThroughLibrary, AggressorColumnsAreNeitherReadNorWritten) {
    const long rows = 300;
    GuardedColumn guarded(rows);
    for (long i = 0; i < rows; ++i) guarded.column[i] = 0.5 * static_cast<double>(i);
    InitCall call;
    call.Run(guarded.column, rows, 3);
    EXPECT_EQ(call.result, 1);
    EXPECT_EQ(guarded.column[rows - 1], 0.5 * (rows - 1));
    EXPECT_EQ(call.Close(), 1);
}

TEST(PassThroughLibrary, RowSizeZeroFiresNothing) {
    double sentinel = 42;
    InitCall call;
    call.Run(&sentinel, 0);
    EXPECT_EQ(call.result, 1);
    EXPECT_STREQ(call.message, "untouched");
    EXPECT_EQ(sentinel, 42);
    EXPECT_EQ(call.Close(), 1);
}

TEST(PassThroughLibrary, InstancesAreIndependent) {
    double first[3] = {1, 2, 3};
    double second[2] = {4, 5};
    InitCall a, b;
    a.Run(first, 3);
    b.Run(second, 2);
    EXPECT_NE(a.memory, b.memory);
    EXPECT_EQ(a.Close(), 1);
    EXPECT_EQ(b.Close(), 1);
    EXPECT_EQ(Library().close(nullptr), 1);
}

TEST(PassThroughLibrary, BadArgumentsAreRefusedWithANotice) {
    struct Case {
        const char* what;
        bool nullMatrix;
        long rows;
        std::string notice;
    };
    const Case cases[] = {
        {"NULL matrix", true, 5,
         "Error occurred in " + modelName +
             " AMI_Init: the impulse matrix is NULL while the row size is 5. "},
        {"negative rows", false, -3,
         "Error occurred in " + modelName + " AMI_Init: the row size -3 is negative. "},
    };
    for (const Case& c : cases) {
        double sample = 7;
        InitCall call;
        call.Run(c.nullMatrix ? nullptr : &sample, c.rows);
        EXPECT_EQ(call.result, 0) << c.what;
        EXPECT_EQ(std::string(call.message), c.notice) << c.what;
        EXPECT_NE(call.memory, nullptr) << "the instance is still returned";
        EXPECT_EQ(sample, 7);
        EXPECT_EQ(call.Close(), 1);
    }
    // A NULL matrix with no rows is not an error: nothing is touched.
    InitCall empty;
    empty.Run(nullptr, 0);
    EXPECT_EQ(empty.result, 1);
    EXPECT_EQ(empty.Close(), 1);
}

TEST(PassThroughLibrary, NullOutputArgumentsAreTolerated) {
    double sample = 1;
    char parameters[] = "";
    char* message = nullptr;
    EXPECT_EQ(Library().init(&sample, 1, 0, 1e-12, 1e-10, parameters, nullptr, nullptr, &message),
              0);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(std::string(message), "Error occurred in " + modelName +
                                        " AMI_Init: no memory handle argument was given, nothing "
                                        "was processed. ");
    EXPECT_EQ(sample, 1);

    void* memory = nullptr;
    EXPECT_EQ(Library().init(nullptr, 4, 0, 1e-12, 1e-10, nullptr, nullptr, &memory, nullptr), 0);
    EXPECT_EQ(Library().close(memory), 1);
}

}  // namespace
