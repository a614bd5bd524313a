#include <gtest/gtest.h>

#include "ParamClassify.h"
#include "ParamTree.h"

namespace {

struct TypeCase {
    const char* text;
    int32_t type;
};

TEST(ClassifyParamValue, DecimalFormsOnlyAreNumbers) {
    const TypeCase cases[] = {
        {nullptr, ValueEmpty},     {"", ValueEmpty},
        {"0", ValueInteger},       {"-3", ValueInteger},
        {"+4", ValueInteger},      {" 5", ValueInteger},
        {"\t\n-12", ValueInteger}, {"123456789012345678901234567890", ValueInteger},
        {"1e3", ValueReal},        {".5", ValueReal},
        {"5.", ValueReal},         {"2.5e0", ValueReal},
        {"-1.5E-7", ValueReal},    {"+.5e+2", ValueReal},
        {" 1.0", ValueReal},       {"True", ValueBoolean},
        {"False", ValueBoolean},   {"true", ValueText},
        {" True", ValueText},      {"0x10", ValueText},
        {"1e", ValueText},         {"1e+", ValueText},
        {"e5", ValueText},         {".", ValueText},
        {"+", ValueText},          {"-.", ValueText},
        {"1.2.3", ValueText},      {"5 ", ValueText},
        {"1 2", ValueText},        {"inf", ValueText},
        {"nan", ValueText},        {"1d3", ValueText},
        {"--1", ValueText},        {"\xb5", ValueText},
    };
    for (const TypeCase& c : cases) {
        EXPECT_EQ(ClassifyParamValue(c.text), c.type) << (c.text != nullptr ? c.text : "(null)");
    }
}

TEST(ClassifyParamWord, ReservedWordsInTheirOrder) {
    const char* const words[] = {"In",      "Out",    "Info",     "InOut",      "Float",
                                 "Integer", "String", "Boolean",  "Tap",        "UI",
                                 "Value",   "Range",  "List",     "Corner",     "Increment",
                                 "Steps",   "Table",  "Gaussian", "Dual-Dirac", "DjRj"};
    for (int32_t word = 0; word < 20; ++word) {
        ParamValue value{nullptr, ValueText, -1};
        ClassifyParamWord(&value, words[word]);
        EXPECT_EQ(value.word, word) << words[word];
    }
    for (const char* other : {"in", "Inout", "Dual", "", "DjRj "}) {
        ParamValue value{nullptr, ValueText, 7};
        ClassifyParamWord(&value, other);
        EXPECT_EQ(value.word, 7) << '"' << other << '"';
    }
}

TEST(ClassifyParamKeyword, LeafNamesWithAMeaning) {
    const TypeCase cases[] = {
        {"Usage", 1},  {"Type", 2},  {"Format", 3}, {"Default", 4}, {"Description", 5},
        {"Labels", 6}, {"usage", 0}, {"Label", 0},  {"", 0},        {nullptr, 0}};
    for (const TypeCase& c : cases) {
        EXPECT_EQ(ClassifyParamKeyword(c.text), c.type) << (c.text != nullptr ? c.text : "(null)");
    }
}

}  // namespace
