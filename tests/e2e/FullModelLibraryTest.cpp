// A full model library of this build (QZ_LIBRARY_PATH, model QZ_MODEL_NAME),
// loaded by path and driven through its entry points as a simulator does.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "AmiLibrary.h"
#include "ExampleSignals.h"
#include "FullModelProfiles.h"

using namespace QuorvelZenthTest;
using QuorvelZenthHost::AmiLibrary;

namespace {

const ModelProfile profile = ProfileOf(QZ_MODEL_NAME);
const double dt = 1.953125e-12;
const double bitTime = 1.25e-10;
char untouched[] = "untouched";

AmiLibrary& Library() {
    static AmiLibrary library(QZ_LIBRARY_PATH);
    return library;
}

struct Init {
    long result = -1;
    void* memory = nullptr;
    char* message = untouched;

    std::string Message() const { return message; }
    long Close() { return Library().close(memory); }
    long GetWave(std::vector<double>& wave, double* clock = nullptr) {
        double clockTimes[2] = {0, 0};
        char* parametersOut = nullptr;
        return Library().getWave(wave.data(), static_cast<long>(wave.size()),
                                 clock != nullptr ? clock : clockTimes, &parametersOut, memory);
    }
};

// Every test runs in a directory of its own: the debug log goes to the
// working directory, and tests run in parallel.
class FullModelLibrary : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qz-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        char previous[4096];
        ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
        home = previous;
        ASSERT_EQ(chdir(directory.c_str()), 0);
    }
    void TearDown() override {
        if (chdir(home.c_str()) != 0) ADD_FAILURE() << "cannot return to " << home;
        std::remove((directory + "/" + profile.logFile).c_str());
        rmdir(directory.c_str());
    }

    Init Run(std::vector<double>& matrix, long rows, long aggressors, const std::string& parameters,
             double sampleInterval = dt, double bit = bitTime) {
        std::vector<char> text(parameters.begin(), parameters.end());
        text.push_back('\0');
        Init init;
        char* parametersOut = nullptr;
        init.result = Library().init(matrix.empty() ? nullptr : matrix.data(), rows, aggressors,
                                     sampleInterval, bit, text.data(), &parametersOut, &init.memory,
                                     &init.message);
        EXPECT_EQ(parametersOut, nullptr);
        return init;
    }

    std::string Log() const {
        std::ifstream in(profile.logFile);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string directory, home;
};

std::vector<double> Channel(long rows, long aggressors) {
    QuorvelZenthHost::ImpulseMatrix matrix = QuorvelZenthHost::ExampleChannel(
        dt, static_cast<std::size_t>(rows), static_cast<std::size_t>(aggressors));
    return matrix.values;
}

std::string HeadOfLog(const std::string& tail) {
    return "AMI_Init start.\nparameter parsing complete : BitTime = 1.25e-10  SamplePerBit = 64" +
           tail;
}

TEST_F(FullModelLibrary, UnreadableParametersFallBackWithOneNoticeEach) {
    std::string allNotices;
    for (const auto& parameter : profile.parameters)
        allNotices += profile.FallbackNotice(parameter.first);
    const std::string texts[] = {"", "(" + profile.name + ")", "(" + profile.name + " (EQ_Level 3)",
                                 "(Other (LTI_mode 0))", "(" + profile.name + " (LTI_mode True))"};
    for (const std::string& text : texts) {
        std::vector<double> matrix(64, 0.0);
        Init init = Run(matrix, 64, 0, text);
        EXPECT_EQ(init.result, 1) << text;
        EXPECT_EQ(init.Message(), allNotices) << text;
        EXPECT_EQ(init.Close(), 1);
    }
    void* memory = nullptr;
    char* message = nullptr;
    std::vector<double> matrix(8, 0.0);
    EXPECT_EQ(Library().init(matrix.data(), 8, 0, dt, bitTime, nullptr, nullptr, &memory, &message),
              1);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(std::string(message), allNotices) << "a NULL string reads as an empty one";
    EXPECT_EQ(Library().close(memory), 1);
}

TEST_F(FullModelLibrary, EveryParameterGivenLeavesTheMessageArgumentAlone) {
    std::vector<double> matrix = Channel(256, 0);
    Init init = Run(matrix, 256, 0, profile.ParameterString());
    EXPECT_EQ(init.result, 1);
    EXPECT_EQ(init.message, untouched);
    EXPECT_EQ(init.Close(), 1);
}

TEST_F(FullModelLibrary, LogStartsWithTheParameterLineAndStopsThereOutsideLinearMode) {
    for (const char* mode : {"0", "2", "0.999"}) {
        std::vector<double> matrix = Channel(128, 1);
        const std::vector<double> original = matrix;
        Init init = Run(matrix, 128, 1, profile.ParameterString({{"LTI_mode", mode}}));
        EXPECT_EQ(init.result, 1);
        EXPECT_EQ(matrix, original) << "LTI_mode " << mode;
        std::string tail = profile.logTail;
        tail.replace(tail.find("LTI mode = 0"), 12, std::string("LTI mode = ") + mode);
        EXPECT_EQ(Log(), HeadOfLog(tail));
        EXPECT_EQ(init.Close(), 1);
    }
}

TEST_F(FullModelLibrary, SamplesPerBitAreTheNearestIntegerWithHalvesUp) {
    const double unit = std::ldexp(1.0, -40);
    struct Case {
        double sampleInterval, bitTime;
        const char* logged;
    };
    const Case cases[] = {{dt, bitTime, "SamplePerBit = 64 "},
                          {unit, 63.5 * unit, "SamplePerBit = 64 "},
                          {unit, 63.49 * unit, "SamplePerBit = 63 "}};
    for (const Case& c : cases) {
        std::vector<double> matrix(16, 0.0);
        Init init = Run(matrix, 16, 0, profile.ParameterString({{"LTI_mode", "0"}}),
                        c.sampleInterval, c.bitTime);
        EXPECT_EQ(init.result, 1);
        EXPECT_NE(Log().find(c.logged), std::string::npos) << Log();
        EXPECT_EQ(init.Close(), 1);
    }
}

TEST_F(FullModelLibrary, LinearModeShapesEveryColumnFromAFreshSubModel) {
    const long rows = 200;
    const std::vector<double> column = Channel(rows, 0);
    std::vector<double> single = column;
    Init one = Run(single, rows, 0, profile.ParameterString());
    EXPECT_EQ(one.Close(), 1);
    EXPECT_NE(single, column) << "the column was shaped";

    std::vector<double> matrix;
    for (int c = 0; c < 3; ++c) matrix.insert(matrix.end(), column.begin(), column.end());
    Init three = Run(matrix, rows, 2, profile.ParameterString());
    EXPECT_EQ(three.result, 1);
    for (long c = 0; c < 3; ++c) {
        EXPECT_TRUE(std::equal(single.begin(), single.end(), matrix.begin() + c * rows))
            << "column " << c;
    }
    const std::string log = Log();
    EXPECT_NE(log.find("Passed parameters to LTI model.\nBasic impulse response computation "
                       "done.\nprinted below modified impulse response.\n"),
              std::string::npos);
    EXPECT_NE(log.find("convolution completed. Lenth of output = 391\n"), std::string::npos);
    EXPECT_EQ(three.Close(), 1);
}

// The number printed after `label` in the log.
double Logged(const std::string& log, const std::string& label) {
    const std::size_t at = log.find(label);
    EXPECT_NE(at, std::string::npos) << label;
    return at == std::string::npos ? 0 : std::stod(log.substr(at + label.size()));
}

TEST_F(FullModelLibrary, ShapingScalesByTheLimiterCurveAtThePulsePeak) {
    const long rows = 300;
    std::vector<double> matrix = Channel(rows, 0);
    Init init = Run(matrix, rows, 0, profile.ParameterString({profile.stageLevel}));
    EXPECT_EQ(init.Close(), 1);
    const std::string log = Log();
    const double peak = Logged(log, "peak of conv = ");
    const double limitedPeak = Logged(log, "peak of conv_nlti = ");
    EXPECT_NEAR(limitedPeak, profile.curveAmplitude * std::tanh(profile.curveGain * peak),
                1e-5 * limitedPeak);

    // The column comes back as the sub-model's output (logged to six
    // digits) times limitedPeak / peak.
    std::istringstream filtered(
        log.substr(log.find("printed below modified impulse response.\n") + 41));
    const double ratio = limitedPeak / peak;
    EXPECT_LT(ratio, 1.0);
    for (long i = 0; i < rows; ++i) {
        double value = 0;
        filtered >> value;
        EXPECT_NEAR(matrix[i], value * ratio, 2e-5 * std::fabs(value) + 1e-300) << i;
    }
}

// The receiver hands its levels to the sub-model truncated, the waveform
// path rounds them; the transmitter hands them over unchanged.
TEST_F(FullModelLibrary, FractionalLevelsReachEachPathAsItsOwnLevel) {
    const long rows = 150;
    auto shaped = [&](const std::string& level) {
        std::vector<double> matrix = Channel(rows, 0);
        Init init =
            Run(matrix, rows, 0, profile.ParameterString({{profile.fractionalParameter, level}}));
        std::vector<double> wave = QuorvelZenthHost::PrbsWave(16, 30);
        EXPECT_EQ(init.GetWave(wave), 1);
        EXPECT_EQ(init.Close(), 1);
        return std::make_pair(matrix, wave);
    };
    const auto fractional = shaped(profile.fractionalValue);
    EXPECT_EQ(fractional.first, shaped(profile.linearValue).first);
    EXPECT_EQ(fractional.second, shaped(profile.waveformValue).second);
}

TEST_F(FullModelLibrary, NegativeAggressorsShapeNothing) {
    std::vector<double> matrix = Channel(64, 0);
    const std::vector<double> original = matrix;
    Init init = Run(matrix, 64, -1, profile.ParameterString());
    EXPECT_EQ(init.result, 1);
    EXPECT_EQ(matrix, original);
    EXPECT_EQ(Log(), HeadOfLog(profile.logTail.substr(0, profile.logTail.size() - 4) + "1  \n") +
                         "Passed parameters to LTI model.\n");
    EXPECT_EQ(init.Close(), 1);
}

TEST_F(FullModelLibrary, ZeroColumnsAndEmptyColumnsKeepRatioOne) {
    std::vector<double> zeros(100, 0.0);
    Init init = Run(zeros, 100, 0, profile.ParameterString());
    EXPECT_EQ(zeros, std::vector<double>(100, 0.0));
    EXPECT_NE(Log().find("peak of conv = 0\n"), std::string::npos);
    EXPECT_NE(Log().find("peak of conv_nlti = 0\n"), std::string::npos);
    EXPECT_EQ(init.Close(), 1);

    std::vector<double> none;
    Init empty = Run(none, 0, 0, profile.ParameterString());
    EXPECT_EQ(empty.result, 1);
    const std::string log = Log();
    EXPECT_NE(log.find("Basic impulse response computation done.\nprinted below modified impulse "
                       "response.\npulse array created.\nconvolution completed. Lenth of output = "
                       "191\n"),
              std::string::npos);
    EXPECT_NE(log.find("peak of conv = 0\n"), std::string::npos);
    EXPECT_EQ(empty.Close(), 1);
}

TEST_F(FullModelLibrary, FailingLevelFailsTheSubModelAndEveryWaveButNotInit) {
    std::vector<double> matrix = Channel(64, 1);
    const std::vector<double> original = matrix;
    Init init = Run(matrix, 64, 1, profile.ParameterString({profile.failingLevel}));
    EXPECT_EQ(init.result, 1);
    const std::string delivered = init.Message();
    EXPECT_EQ(delivered, "Error occurred in " + profile.subModel + "::Run(). ");
    EXPECT_EQ(matrix, original) << "failed on the first sample: nothing changed";
    const std::string log = Log();
    EXPECT_NE(log.find("Error while computing basic impulse response. \n"), std::string::npos);
    EXPECT_EQ(log.find("pulse array created."), std::string::npos);

    std::vector<double> wave = QuorvelZenthHost::PrbsWave(8, 10);
    const std::vector<double> input = wave;
    for (int call = 0; call < 3; ++call) {
        double clock[2] = {0, 0};
        EXPECT_EQ(init.GetWave(wave, clock), 0);
        EXPECT_EQ(wave, input);
        EXPECT_EQ(clock[0], -1.0);
    }
    EXPECT_EQ(std::string(init.message), delivered) << "the delivered text stays as it was";
    EXPECT_EQ(init.Close(), 1);
}

TEST_F(FullModelLibrary, WaveformBlocksFormOneContinuousWaveform) {
    std::vector<double> channel = Channel(512, 0);
    const std::vector<double> wave = QuorvelZenthHost::Convolve(QuorvelZenthHost::PrbsWave(64, 40),
                                                                channel.data(), channel.size(), dt);
    const std::string parameters = profile.ParameterString({{"LTI_mode", "0"}});

    std::vector<double> whole = wave;
    Init first = Run(channel, 512, 0, parameters);
    double clock[3] = {7, 7, 7};
    EXPECT_EQ(first.GetWave(whole, clock), 1);
    EXPECT_EQ(clock[0], -1.0);
    EXPECT_EQ(clock[1], 7.0) << "only clock time 0 is written";
    EXPECT_EQ(first.Close(), 1);

    std::vector<double> pieces = wave;
    Init second = Run(channel, 512, 0, parameters);
    std::size_t start = 0;
    for (std::size_t size : {0u, 1u, 7u, 500u, 1u, 4096u}) {
        const std::size_t count = std::min(size, pieces.size() - start);
        std::vector<double> block(pieces.begin() + start, pieces.begin() + start + count);
        EXPECT_EQ(second.GetWave(block), 1);
        std::copy(block.begin(), block.end(), pieces.begin() + start);
        start += count;
    }
    ASSERT_EQ(start, pieces.size());
    EXPECT_EQ(pieces, whole);
    EXPECT_NE(whole, wave);
    EXPECT_EQ(second.Close(), 1);
}

TEST_F(FullModelLibrary, RefusedSampleGridsGiveANoticeAndAnInertInstance) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double sampleInterval, bitTime;
        std::string notice;
    };
    const std::string start = "The IBIS-AMI model, " + profile.name + ", cannot run with ";
    const Case cases[] = {
        {0, bitTime, start + "the sample interval 0: it must be a positive number of seconds. "},
        {-dt, bitTime,
         start + "the sample interval -1.95313e-12: it must be a positive number of seconds. "},
        {nan, bitTime,
         start + "the sample interval nan: it must be a positive number of seconds. "},
        {dt, 0, start + "the bit time 0: it must be a positive number of seconds. "},
        {dt, -bitTime, start + "the bit time -1.25e-10: it must be a positive number of seconds. "},
        {1e-12, 4e-13,
         start + "a bit time of 4e-13 s sampled every 1e-12 s: that gives 0.4 samples per bit, and "
                 "the model needs 1 to 16384. "},
        {1e-15, 1e-10,
         start + "a bit time of 1e-10 s sampled every 1e-15 s: that gives 100000 samples per bit, "
                 "and the model needs 1 to 16384. "},
    };
    for (const Case& c : cases) {
        std::vector<double> matrix = Channel(32, 0);
        const std::vector<double> original = matrix;
        Init init = Run(matrix, 32, 0, profile.ParameterString(), c.sampleInterval, c.bitTime);
        EXPECT_EQ(init.result, 0);
        EXPECT_EQ(init.Message(), c.notice);
        ASSERT_NE(init.memory, nullptr);
        EXPECT_EQ(matrix, original);
        std::vector<double> wave(100, 0.25);
        EXPECT_EQ(init.GetWave(wave), 0);
        EXPECT_EQ(wave, std::vector<double>(100, 0.25));
        EXPECT_EQ(init.Close(), 1);
    }
}

TEST_F(FullModelLibrary, HostileArgumentsNeverCrash) {
    char* parametersOut = nullptr;
    std::vector<double> wave(4, 1.0);
    EXPECT_EQ(Library().getWave(wave.data(), 4, nullptr, &parametersOut, nullptr), 0);
    EXPECT_EQ(Library().close(nullptr), 1);

    char* message = nullptr;
    std::vector<double> matrix = Channel(16, 0);
    EXPECT_EQ(
        Library().init(matrix.data(), 16, 0, dt, bitTime, nullptr, nullptr, nullptr, &message), 0);
    ASSERT_NE(message, nullptr);
    EXPECT_NE(std::string(message).find("no memory handle"), std::string::npos);

    // A negative row size, a NULL matrix, NULL output arguments.
    std::vector<double> none;
    Init negative = Run(matrix, -5, 0, profile.ParameterString());
    EXPECT_EQ(negative.result, 1);
    EXPECT_NE(negative.Message().find("the row size -5 is negative"), std::string::npos);
    EXPECT_EQ(negative.GetWave(wave), 1);
    EXPECT_EQ(Library().getWave(nullptr, 3, nullptr, nullptr, negative.memory), 0);
    EXPECT_EQ(Library().getWave(wave.data(), -1, nullptr, nullptr, negative.memory), 0);
    EXPECT_EQ(negative.Close(), 1);
    Init missing = Run(none, 10, 0, profile.ParameterString());
    EXPECT_NE(missing.Message().find("the impulse matrix is NULL"), std::string::npos);
    EXPECT_EQ(missing.Close(), 1);
    void* memory = nullptr;
    EXPECT_EQ(Library().init(matrix.data(), 16, 0, dt, bitTime, nullptr, nullptr, &memory, nullptr),
              1);
    EXPECT_EQ(Library().close(memory), 1);
}

TEST_F(FullModelLibrary, WaveSizeZeroFiresNothingAndSetsTheClock) {
    std::vector<double> matrix(4, 0.0);
    Init init = Run(matrix, 4, 0, profile.ParameterString());
    std::vector<double> empty;
    double clock[1] = {0};
    EXPECT_EQ(Library().getWave(nullptr, 0, clock, nullptr, init.memory), 1);
    EXPECT_EQ(clock[0], -1.0);
    EXPECT_EQ(init.GetWave(empty), 1);
    EXPECT_EQ(init.Close(), 1);
}

}  // namespace
