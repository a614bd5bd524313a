// Our stand-in for a simulator: loads a model library by path, resolves its
// entry points by name and drives it through one AMI_Init, a PRBS waveform
// through AMI_GetWave (when exported) and AMI_Close, printing a summary.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "AmiLibrary.h"
#include "ExampleSignals.h"

using namespace QuorvelZenthHost;

namespace {

struct Options {
    std::string library;
    std::string impulseFile;
    std::size_t rows = 1024;
    std::size_t aggressors = 0;
    std::string parameters;
    double sampleInterval = 1.953125e-12;
    double bitTime = 1.25e-10;
    std::size_t bits = 256;
    std::size_t block = 4096;
    std::string impulseDump;
    std::string waveDump;
};

const char* const usage =
    "usage: ami_host LIBRARY [--impulse FILE] [--rows N] [--aggressors N] [--params TEXT]\n"
    "                [--sample-interval S] [--bit-time S] [--bits N] [--block N]\n"
    "                [--dump-impulse FILE] [--dump-wave FILE]\n";

Options Parse(int argc, char** argv) {
    Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--impulse") options.impulseFile = value();
        else if (arg == "--rows") options.rows = std::stoul(value());
        else if (arg == "--aggressors") options.aggressors = std::stoul(value());
        else if (arg == "--params") options.parameters = value();
        else if (arg == "--sample-interval") options.sampleInterval = std::stod(value());
        else if (arg == "--bit-time") options.bitTime = std::stod(value());
        else if (arg == "--bits") options.bits = std::stoul(value());
        else if (arg == "--block") options.block = std::stoul(value());
        else if (arg == "--dump-impulse") options.impulseDump = value();
        else if (arg == "--dump-wave") options.waveDump = value();
        else if (!arg.empty() && arg[0] == '-') throw std::invalid_argument("unknown option " + arg);
        else if (options.library.empty()) options.library = arg;
        else throw std::invalid_argument("more than one library given");
    }
    if (options.library.empty()) throw std::invalid_argument("no library given");
    if (options.block == 0) throw std::invalid_argument("--block must be at least 1");
    return options;
}

void Dump(const std::string& path, const double* values, std::size_t count) {
    if (path.empty()) return;
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    for (std::size_t i = 0; i < count; ++i) std::fprintf(file, "%.17g\n", values[i]);
    std::fclose(file);
}

void PrintColumn(const char* label, const ImpulseMatrix& matrix, double dt) {
    const ColumnSummary summary = Summarize(matrix.column(0), matrix.rows, dt);
    std::printf("%s: rows %zu, columns %zu; column 0 peak %g at sample %zu, area %g\n", label,
                matrix.rows, matrix.columns, summary.peak, summary.peakIndex, summary.area);
}

int Drive(const Options& options) {
    AmiLibrary library(options.library);
    std::printf("library: %s\n", library.path().c_str());

    ImpulseMatrix matrix = options.impulseFile.empty()
                               ? ExampleChannel(options.sampleInterval, options.rows,
                                                options.aggressors)
                               : ReadImpulseFile(options.impulseFile);
    const ImpulseMatrix channel = matrix;
    PrintColumn("impulse in", matrix, options.sampleInterval);

    std::vector<char> parameters(options.parameters.begin(), options.parameters.end());
    parameters.push_back('\0');
    char* parametersOut = nullptr;
    void* memory = nullptr;
    char* message = nullptr;
    const long initResult = library.init(matrix.values.data(), static_cast<long>(matrix.rows),
                                         static_cast<long>(matrix.columns - 1),
                                         options.sampleInterval, options.bitTime,
                                         parameters.data(), &parametersOut, &memory, &message);
    std::printf("AMI_Init: result %ld\n", initResult);
    std::printf("message: %s\n", message != nullptr ? message : "(none)");
    PrintColumn("impulse out", matrix, options.sampleInterval);
    Dump(options.impulseDump, matrix.values.data(), matrix.values.size());

    bool allPassed = initResult == 1;
    if (!library.hasGetWave()) {
        std::printf("AMI_GetWave: not exported\n");
    } else {
        const auto samplesPerBit =
            static_cast<std::size_t>(options.bitTime / options.sampleInterval + 0.5);
        std::vector<double> wave =
            Convolve(PrbsWave(samplesPerBit, options.bits), channel.column(0), channel.rows,
                     options.sampleInterval);
        long waveResult = 1;
        double clockTimes[2] = {0, 0};
        for (std::size_t start = 0; start < wave.size(); start += options.block) {
            const std::size_t count = std::min(options.block, wave.size() - start);
            if (library.getWave(wave.data() + start, static_cast<long>(count), clockTimes,
                                &parametersOut, memory) != 1) {
                waveResult = 0;
            }
        }
        double low = wave.empty() ? 0 : wave.front();
        double high = low;
        for (double sample : wave) {
            low = std::min(low, sample);
            high = std::max(high, sample);
        }
        std::printf("AMI_GetWave: result %ld over %zu samples in blocks of %zu; output min %g max %g\n",
                    waveResult, wave.size(), options.block, low, high);
        Dump(options.waveDump, wave.data(), wave.size());
        allPassed = allPassed && waveResult == 1;
    }

    const long closeResult = library.close(memory);
    std::printf("AMI_Close: result %ld\n", closeResult);
    return allPassed && closeResult == 1 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Drive(Parse(argc, argv));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "ami_host: %s\n%s", error.what(), usage);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ami_host: %s\n", error.what());
    }
    return 2;
}
