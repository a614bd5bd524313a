// libFuzzer target over the parameter-string reader: parse, look up,
// release. The input up to its first NUL is the parameter string; a path
// after the NUL is looked up besides the models' own paths.
//
// Besides the sanitizers' findings it stops on a broken promise: a tree
// without status 0 or none with it, a holder not cleared by the release, a
// reader whose `ok` disagrees with the parse, a delivered value that is not
// finite, or a lookup that disagrees with the plain recursive walk.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ParamReader.h"
#include "ParamTreeDump.h"

namespace {

const char* const modelPaths[] = {
    "Larkspur.EQ_Level", "Larkspur.Limit",          "Larkspur.LTI_mode", "Foxglove.VOD_Level",
    "Foxglove.DE_Level", "Foxglove.gain_debugonly", "Foxglove.LTI_mode",
};

void Require(bool promise) {
    if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    const std::string extraPath = split == std::string::npos ? "" : input.substr(split + 1);

    ParamTree* tree = nullptr;
    const int32_t status = ParseParamTree(text.c_str(), &tree);
    Require(status >= ParseOk && status <= ParseWhitespaceRun);
    Require((status == ParseOk) == (tree != nullptr));
    if (tree != nullptr) Require(FirstLookupDisagreement(tree).empty());
    FreeParamTree(&tree);
    Require(tree == nullptr);

    const ParamReader reader(text.c_str());
    Require(reader.ok == (status == ParseOk));
    double value = 0.0;
    for (const char* path : modelPaths) {
        if (reader.GetDouble(value, path)) Require(std::isfinite(value));
    }
    if (reader.GetDouble(value, extraPath.c_str())) Require(std::isfinite(value));
    return 0;
}
