#include <gtest/gtest.h>

#include <string>

#include "ParamReader.h"
#include "ParamTreeDump.h"

namespace {

constexpr double untouched = -12345.0;

struct LookupCase {
    const char* text;
    const char* path;
    bool found;
    double value;  // when found
};

TEST(ParamReader, LooksLeavesUpByDottedPath) {
    const char* const model = "(Larkspur (EQ_Level 3) (Limit 1) (LTI_mode 0))";
    const LookupCase cases[] = {
        {model, "Larkspur.EQ_Level", true, 3.0},
        {model, "Larkspur.Limit", true, 1.0},
        {model, "Larkspur.LTI_mode", true, 0.0},
        {"(Larkspur (EQ_Level 2.5e0))", "Larkspur.EQ_Level", true, 2.5},
        {"(Larkspur (EQ_Level 3 4))", "Larkspur.EQ_Level", true, 3.0},
        {"(Larkspur (EQ_Level 3) (EQ_Level 4))", "Larkspur.EQ_Level", true, 3.0},
        {"(Larkspur (Model_Specific (EQ_Level 3)))", "Larkspur.Model_Specific.EQ_Level", true, 3.0},
        {"(Larkspur (a (x 1)) (x 2))", "Larkspur.x", true, 2.0},
        {"(Larkspur (a (x 1)) (x 2))", "Larkspur.a.x", true, 1.0},
        {"(r (a (x 1)) (a (y 2)))", "r.a.y", true, 2.0},
        {"(r (ab (x 1)) (a (x 2)))", "r.a.x", true, 2.0},
        {"(r (a.b 5))", "r.a.b", true, 5.0},
        {"((a 1))", "a", true, 1.0},
        {"(r ((x 1)))", "r..x", true, 1.0},
        {"(Foxglove (gain_debugonly \" -0.5\"))", "Foxglove.gain_debugonly", true, -0.5},
        {"(r (x +4) (y -3) (z .5) (w 5.) (v 1E3))", "r.x", true, 4.0},
        {"(r (x +4) (y -3) (z .5) (w 5.) (v 1E3))", "r.y", true, -3.0},
        {"(r (x +4) (y -3) (z .5) (w 5.) (v 1E3))", "r.z", true, 0.5},
        {"(r (x +4) (y -3) (z .5) (w 5.) (v 1E3))", "r.w", true, 5.0},
        {"(r (x +4) (y -3) (z .5) (w 5.) (v 1E3))", "r.v", true, 1000.0},
        {"(r (x 000000000000000000000000000000007))", "r.x", true, 7.0},
        {"(x 1 (y 2)) (a (b 1))", "a.b", true, 1.0},
        // not a number, or not there
        {"(Larkspur (EQ_Level True))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level five))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level \"\"))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level 0x10))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level five 3))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (Model_Specific (EQ_Level 3)))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (Model_Specific (EQ_Level 3)))", "Larkspur.Model_Specific", false, 0},
        {"(Larkspur (EQ_Level 3))", "Larkspur", false, 0},
        {"(Larkspur (EQ_Level 3))", "Larkspur.EQ_Level.x", false, 0},
        {"(Larkspur (EQ_Level 3))", "Larkspur.EQ_Leve", false, 0},
        {"(Larkspur (EQ_Level 3))", "", false, 0},
        {"(Other (EQ_Level 3))", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level 3))", "larkspur.EQ_Level", false, 0},
        {"(x 1 (y 2))", "x", false, 0},
        // a value no double holds is not a setting
        {"(Larkspur (EQ_Level 1e400))", "Larkspur.EQ_Level", false, 0},
        // texts that do not parse answer nothing
        {"(Larkspur (EQ_Level 3)", "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (Name ) (EQ_Level 3))", "Larkspur.EQ_Level", false, 0},
        {"", "Larkspur.EQ_Level", false, 0},
        {nullptr, "Larkspur.EQ_Level", false, 0},
        {"(Larkspur (EQ_Level 3))", nullptr, false, 0},
    };
    for (const LookupCase& c : cases) {
        const std::string label = std::string(c.text != nullptr ? c.text : "(null)") + " at " +
                                  (c.path != nullptr ? c.path : "(null)");
        const ParamReader reader(c.text);
        double value = untouched;
        EXPECT_EQ(reader.GetDouble(value, c.path), c.found) << label;
        EXPECT_EQ(value, c.found ? c.value : untouched) << label;
    }
}

TEST(ParamReader, HoldsATreeOnlyWhenTheTextParsed) {
    const ParamReader parsed("(Larkspur (EQ_Level 3))");
    EXPECT_TRUE(parsed.ok);
    EXPECT_NE(parsed.tree, nullptr);
    for (const char* text : {"(Larkspur (EQ_Level 3)", "", static_cast<const char*>(nullptr)}) {
        const ParamReader failed(text);
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.tree, nullptr);
    }
}

TEST(FindParamLeaf, PathsStartWithThePrefix) {
    const ParamReader reader("(Larkspur (Model_Specific (EQ_Level 3)))");
    ASSERT_TRUE(reader.ok);
    const ParamNode* root = reader.tree->entries[0].node;
    const ParamNode* leaf = reader.tree->entries[2].node;
    EXPECT_EQ(FindParamLeaf(root, "Larkspur.Model_Specific.EQ_Level", ""), leaf);
    EXPECT_EQ(FindParamLeaf(root, "Larkspur.Model_Specific.EQ_Level", nullptr), leaf);
    EXPECT_EQ(FindParamLeaf(root, "top.Larkspur.Model_Specific.EQ_Level", "top"), leaf);
    EXPECT_EQ(FindParamLeaf(root, "Larkspur.Model_Specific.EQ_Level", "top"), nullptr);
    EXPECT_EQ(FindParamLeaf(reader.tree->entries[1].node, "Model_Specific.EQ_Level", ""), leaf);
    EXPECT_EQ(FindParamLeaf(nullptr, "Larkspur.Model_Specific.EQ_Level", ""), nullptr);
}

TEST(FindParamLeaf, AgreesWithThePlainRecursiveWalk) {
    const char* const texts[] = {
        "(r (a (x 1) (y 2)) (a (x 3) (z 4)) (x 5) (a.x 6))",
        "((a 1) (b (c 2)) ((d 3)))",
        "(r (x 1 (y 2)) (x 3) (b (x 1) (x 2)) (b. 7))",
        "(r ((x 1)) (. (x 2)) (.x 3))",
    };
    for (const char* text : texts) {
        ParsedText parsed(text);
        ASSERT_EQ(parsed.status, ParseOk) << text;
        EXPECT_EQ(FirstLookupDisagreement(parsed.tree), "") << text;
    }
}

}  // namespace
