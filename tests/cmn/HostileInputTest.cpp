// Texts a simulator may pass on from its user: very deep, very long.
// Nothing here may recurse per level or take quadratic time.
#include <gtest/gtest.h>

#include <string>

#include "ParamReader.h"
#include "ParamTreeDump.h"

namespace {

constexpr int deepLevels = 100000;

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct DeepCase {
    const char* label;
    std::string text;
    std::string path;
    double value;
};

// The whole text is walked for a path that is not there.
void ExpectFound(const DeepCase& c) {
    const ParamReader reader(c.text.c_str());
    ASSERT_TRUE(reader.ok) << c.label;
    double value = 0.0;
    EXPECT_TRUE(reader.GetDouble(value, c.path.c_str())) << c.label;
    EXPECT_EQ(value, c.value) << c.label;
    EXPECT_FALSE(reader.GetDouble(value, (c.path + "_").c_str())) << c.label;
}

TEST(HostileInput, DeepNesting) {
    const std::string dottedPath = Repeated("a.", deepLevels - 1) + "a";
    const DeepCase cases[] = {
        {"named branches", Repeated("(a", deepLevels) + " 1" + std::string(deepLevels, ')'),
         dottedPath, 1.0},
        {"nameless branches", std::string(deepLevels, '(') + "x 2" + std::string(deepLevels, ')'),
         "x", 2.0},
        {"nested in a discarded leaf",
         "(r (x 1 " + std::string(deepLevels, '(') + std::string(deepLevels, ')') + ") (y 3))",
         "r.y", 3.0},
    };
    for (const DeepCase& c : cases) ExpectFound(c);
}

TEST(HostileInput, DeepTreeDepths) {
    ParsedText parsed(Repeated("(a", deepLevels) + " 1" + std::string(deepLevels, ')'));
    ASSERT_EQ(parsed.status, ParseOk);
    ASSERT_EQ(parsed.tree->count, deepLevels);
    const ParamEntry& innermost = parsed.tree->entries[deepLevels - 1];
    EXPECT_EQ(innermost.kind, EntryLeaf);
    EXPECT_EQ(innermost.depth, deepLevels);
    EXPECT_EQ(parsed.tree->entries[deepLevels - 2].node->count, 1);
}

TEST(HostileInput, LongTexts) {
    constexpr int many = 200000;
    std::string leaves;
    for (int i = 0; i < many; ++i)
        leaves += " (p" + std::to_string(i) + " " + std::to_string(i) + ")";
    const std::string bigValue(4 << 20, 'v');
    const DeepCase cases[] = {
        {"many leaves", "(r" + leaves + ")", "r.p" + std::to_string(many - 1), many - 1.0},
        {"many values", "(r (x 7" + Repeated(" 1", 1000000) + "))", "r.x", 7.0},
        {"long quoted value", "(r (x \"" + bigValue + "\") (y 5))", "r.y", 5.0},
        {"long run before a value", "(r (x" + std::string(4 << 20, ' ') + "6))", "r.x", 6.0},
        {"long name", "(r (" + bigValue + " 8))", "r." + bigValue, 8.0},
    };
    for (const DeepCase& c : cases) ExpectFound(c);
}

}  // namespace
