#include "ParamClassify.h"

#include <cstring>
#include <iterator>

#include "CmnSupport.h"
#include "ParamTree.h"

namespace {

// Class n is reservedWords[n].
const char* const reservedWords[] = {
    "In",        "Out",   "Info",  "InOut",    "Float",      "Integer", "String",
    "Boolean",   "Tap",   "UI",    "Value",    "Range",      "List",    "Corner",
    "Increment", "Steps", "Table", "Gaussian", "Dual-Dirac", "DjRj",
};

// Class n is keywords[n - 1].
const char* const keywords[] = {"Usage", "Type", "Format", "Default", "Description", "Labels"};

// Index of the first word equal to the text, or -1.
int32_t IndexOf(const char* text, const char* const* words, std::size_t count) {
    for (std::size_t index = 0; index < count; ++index) {
        if (std::strcmp(text, words[index]) == 0) return static_cast<int32_t>(index);
    }
    return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Steps over a run of decimal digits and answers whether there was one.
bool SkipDigits(const char*& at) {
    const char* start = at;
    while (IsDigit(*at)) ++at;
    return at != start;
}

// Leading whitespace and an optional sign, common to both number forms.
const char* SkipNumberLead(const char* at) {
    while (IsParamSpace(*at)) ++at;
    if (*at == '+' || *at == '-') ++at;
    return at;
}

bool IsDecimalInteger(const char* text) {
    const char* at = SkipNumberLead(text);
    return SkipDigits(at) && *at == '\0';
}

bool IsDecimalReal(const char* text) {
    const char* at = SkipNumberLead(text);
    const bool integerDigits = SkipDigits(at);
    bool fractionDigits = false;
    if (*at == '.') {
        ++at;
        fractionDigits = SkipDigits(at);
    }
    if (!integerDigits && !fractionDigits) return false;
    if (*at == 'e' || *at == 'E') {
        ++at;
        if (*at == '+' || *at == '-') ++at;
        if (!SkipDigits(at)) return false;
    }
    return *at == '\0';
}

}  // namespace

int32_t ClassifyParamValue(const char* text) {
    if (text == nullptr || *text == '\0') return ValueEmpty;
    if (IsDecimalInteger(text)) return ValueInteger;
    if (IsDecimalReal(text)) return ValueReal;
    if (std::strcmp(text, "True") == 0 || std::strcmp(text, "False") == 0) return ValueBoolean;
    return ValueText;
}

void ClassifyParamWord(ParamValue* value, const char* text) {
    if (value == nullptr || text == nullptr) return;
    const int32_t word = IndexOf(text, reservedWords, std::size(reservedWords));
    if (word >= 0) value->word = word;
}

int32_t ClassifyParamKeyword(const char* name) {
    if (name == nullptr) return 0;
    return IndexOf(name, keywords, std::size(keywords)) + 1;
}
