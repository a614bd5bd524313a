// Our stand-in for a simulator. It loads model libraries by path, resolves
// their entry points by name and drives them:
//   ami_host LIBRARY [options]            one model: AMI_Init on an impulse
//                                         matrix, a PRBS waveform through
//                                         AMI_GetWave (when exported), AMI_Close
//   ami_host --link TX RX [options]       a link: transmitter, channel and
//                                         receiver in both flows
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "AmiLibrary.h"
#include "ExampleSignals.h"
#include "ModelSession.h"

using namespace QuorvelZenthHost;

namespace {

struct Options {
    std::vector<std::string> libraries;
    bool link = false;
    std::string impulseFile;
    std::size_t rows = 1024;
    std::size_t aggressors = 0;
    std::string parameters;
    std::string transmitterParameters;
    std::string receiverParameters;
    double sampleInterval = 1.953125e-12;
    double bitTime = 1.25e-10;
    std::size_t bits = 256;
    std::size_t block = 4096;
    std::string impulseDump;
    std::string waveDump;

    std::size_t SamplesPerBit() const {
        return static_cast<std::size_t>(bitTime / sampleInterval + 0.5);
    }
};

const char* const usage =
    "usage: ami_host LIBRARY [options]\n"
    "       ami_host --link TX_LIBRARY RX_LIBRARY [options]\n"
    "options: --impulse FILE  --rows N  --aggressors N  --params TEXT  --sample-interval S\n"
    "         --bit-time S  --bits N  --block N  --dump-impulse FILE  --dump-wave FILE\n"
    "         --tx-params TEXT  --rx-params TEXT (the two models of a link)\n";

Options Parse(int argc, char** argv) {
    Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--link")
            options.link = true;
        else if (arg == "--impulse")
            options.impulseFile = value();
        else if (arg == "--rows")
            options.rows = std::stoul(value());
        else if (arg == "--aggressors")
            options.aggressors = std::stoul(value());
        else if (arg == "--params")
            options.parameters = value();
        else if (arg == "--tx-params")
            options.transmitterParameters = value();
        else if (arg == "--rx-params")
            options.receiverParameters = value();
        else if (arg == "--sample-interval")
            options.sampleInterval = std::stod(value());
        else if (arg == "--bit-time")
            options.bitTime = std::stod(value());
        else if (arg == "--bits")
            options.bits = std::stoul(value());
        else if (arg == "--block")
            options.block = std::stoul(value());
        else if (arg == "--dump-impulse")
            options.impulseDump = value();
        else if (arg == "--dump-wave")
            options.waveDump = value();
        else if (!arg.empty() && arg[0] == '-')
            throw std::invalid_argument("unknown option " + arg);
        else
            options.libraries.push_back(arg);
    }
    if (options.libraries.size() != (options.link ? 2u : 1u)) {
        throw std::invalid_argument(options.link ? "--link needs two libraries"
                                                 : "give one library");
    }
    if (options.block == 0) throw std::invalid_argument("--block must be at least 1");
    return options;
}

void Dump(const std::string& path, const std::vector<double>& values) {
    if (path.empty()) return;
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    for (double value : values) std::fprintf(file, "%.17g\n", value);
    std::fclose(file);
}

void PrintImpulse(const char* label, const ImpulseMatrix& matrix, double dt) {
    const ColumnSummary summary = Summarize(matrix.column(0), matrix.rows, dt);
    std::printf("%s: rows %zu, columns %zu; column 0 peak %g at sample %zu, area %g\n", label,
                matrix.rows, matrix.columns, summary.peak, summary.peakIndex, summary.area);
}

ImpulseMatrix Channel(const Options& options) {
    return options.impulseFile.empty()
               ? ExampleChannel(options.sampleInterval, options.rows, options.aggressors)
               : ReadImpulseFile(options.impulseFile);
}

// The waveform a receiver sees: the PRBS bits through the channel.
std::vector<double> ReceivedPrbs(const Options& options, const ImpulseMatrix& channel) {
    return Convolve(PrbsWave(options.SamplesPerBit(), options.bits), channel.column(0),
                    channel.rows, options.sampleInterval);
}

void PrintWave(const char* label, long result, const std::vector<double>& wave, std::size_t block) {
    const auto [low, high] = std::minmax_element(wave.begin(), wave.end());
    std::printf("%s: result %ld over %zu samples in blocks of %zu; output min %g max %g\n", label,
                result, wave.size(), block, wave.empty() ? 0.0 : *low, wave.empty() ? 0.0 : *high);
}

int DriveOne(const Options& options) {
    AmiLibrary library(options.libraries[0]);
    std::printf("library: %s\n", library.path().c_str());
    ImpulseMatrix matrix = Channel(options);
    const ImpulseMatrix channel = matrix;
    PrintImpulse("impulse in", matrix, options.sampleInterval);

    ModelSession session(library);
    const long init =
        session.Init(matrix, options.sampleInterval, options.bitTime, options.parameters);
    std::printf("AMI_Init: result %ld\n", init);
    std::printf("message: %s\n", session.message().empty() ? "(none)" : session.message().c_str());
    PrintImpulse("impulse out", matrix, options.sampleInterval);
    Dump(options.impulseDump, matrix.values);

    long wave = 1;
    if (!library.hasGetWave()) {
        std::printf("AMI_GetWave: not exported\n");
    } else {
        std::vector<double> samples = ReceivedPrbs(options, channel);
        wave = session.GetWave(samples, options.block);
        PrintWave("AMI_GetWave", wave, samples, options.block);
        Dump(options.waveDump, samples);
    }
    const long close = session.Close();
    std::printf("AMI_Close: result %ld\n", close);
    return init == 1 && wave == 1 && close == 1 ? 0 : 1;
}

int DriveLink(const Options& options) {
    AmiLibrary transmitter(options.libraries[0]);
    AmiLibrary receiver(options.libraries[1]);
    const double dt = options.sampleInterval;
    const std::size_t samplesPerBit = options.SamplesPerBit();
    std::printf("link: %s -> channel -> %s, %g s bits, %zu samples per bit\n",
                transmitter.path().c_str(), receiver.path().c_str(), options.bitTime,
                samplesPerBit);
    const ImpulseMatrix channel = Channel(options);
    auto printPulse = [&](const char* label, const ImpulseMatrix& matrix) {
        const ColumnSummary summary = Summarize(matrix.column(0), matrix.rows, dt);
        std::printf("  %-22s impulse peak %-12g area %-10g pulse response peak %g\n", label,
                    summary.peak, summary.area,
                    PulsePeak(matrix.column(0), matrix.rows, samplesPerBit, dt));
    };

    std::printf("statistical flow (AMI_Init on the impulse response):\n");
    printPulse("channel", channel);
    ImpulseMatrix matrix = channel;
    ModelSession tx(transmitter);
    ModelSession rx(receiver);
    const long txInit = tx.Init(matrix, dt, options.bitTime, options.transmitterParameters);
    printPulse("after the transmitter", matrix);
    const long rxInit = rx.Init(matrix, dt, options.bitTime, options.receiverParameters);
    printPulse("after the receiver", matrix);
    for (const ModelSession* session : {&tx, &rx}) {
        if (!session->message().empty()) std::printf("  notice: %s\n", session->message().c_str());
    }
    Dump(options.impulseDump, matrix.values);

    std::printf("time-domain flow (AMI_GetWave, PRBS-7, %zu bits):\n", options.bits);
    std::vector<double> wave = PrbsWave(samplesPerBit, options.bits);
    const long txWave = tx.GetWave(wave, options.block);
    PrintWave("  transmitter AMI_GetWave", txWave, wave, options.block);
    wave = Convolve(wave, channel.column(0), channel.rows, dt);
    const long rxWave = rx.GetWave(wave, options.block);
    PrintWave("  receiver AMI_GetWave", rxWave, wave, options.block);
    const EyeSummary eye = Eye(wave, PrbsBits(options.bits), samplesPerBit, 16);
    std::printf("  receiver eye: height %g at sample %zu of the bit\n", eye.height,
                eye.phase % samplesPerBit);
    Dump(options.waveDump, wave);

    const long txClose = tx.Close();
    const long rxClose = rx.Close();
    std::printf("AMI_Init: %ld %ld, AMI_GetWave: %ld %ld, AMI_Close: %ld %ld\n", txInit, rxInit,
                txWave, rxWave, txClose, rxClose);
    const bool passed =
        txInit == 1 && rxInit == 1 && txWave == 1 && rxWave == 1 && txClose == 1 && rxClose == 1;
    return passed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const Options options = Parse(argc, argv);
        return options.link ? DriveLink(options) : DriveOne(options);
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "ami_host: %s\n%s", error.what(), usage);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ami_host: %s\n", error.what());
    }
    return 2;
}
