#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ParamTree.h"
#include "ParamTreeDump.h"

namespace {

const std::string spaces120(120, ' ');
const std::string spaces121(121, ' ');

struct StatusCase {
    std::string text;
    int32_t status;
};

TEST(ParseParamTree, StatusOfEachMalformedText) {
    const StatusCase cases[] = {
        {"", ParseNoOpening},
        {"x", ParseNoOpening},
        {" \t\n", ParseNoOpening},
        {"x (root (x 1))", ParseNoOpening},
        {"(root (x 1)", ParseUnbalanced},
        {"(root (x 1)))", ParseUnbalanced},
        {"(root (x \"(\" 1)", ParseUnbalanced},
        {"(a 1)", ParseNoInputOrParent},
        {"(root (x 1)) (y 2)", ParseNotUnderRoot},
        {"(()a 1)", ParseNotUnderRoot},
        {"(root (Name))", ParseStrayClosing},
        {"(root (Name) (x 1))", ParseStrayClosing},
        {"()", ParseStrayClosing},
        {"(root))(", ParseStrayClosing},
        {"(()\"((\")", ParseTooManyEntries},
        {"(root (Name ) (x 1))", ParseEndBeforeStart},
        {spaces121 + "(root (x 1))", ParseWhitespaceRun},
        {"(" + spaces121 + "root (x 1))", ParseWhitespaceRun},
        {"(root (x 1)" + spaces121 + "(y 2))", ParseWhitespaceRun},
        {"(root (sub (x 1))" + spaces121 + "(y 2))", ParseWhitespaceRun},
    };
    for (const StatusCase& c : cases) {
        ParsedText parsed(c.text);
        EXPECT_EQ(parsed.status, c.status) << '"' << c.text << '"';
        EXPECT_EQ(parsed.tree, nullptr) << '"' << c.text << '"';
    }
}

TEST(ParseParamTree, AbsentTextOrHolder) {
    ParamTree* tree = nullptr;
    EXPECT_EQ(ParseParamTree(nullptr, &tree), ParseNoInputOrParent);
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(ParseParamTree("(root (x 1))", nullptr), ParseNoInputOrParent);
}

struct DumpCase {
    std::string text;
    std::string dump;
};

TEST(ParseParamTree, TreeOfEachWellFormedText) {
    const DumpCase cases[] = {
        {"(Larkspur (EQ_Level 3) (Limit 1) (LTI_mode 0))",
         "B1 L2 L2 L2 | Larkspur/1(EQ_Level/2='3'i Limit/2='1'i LTI_mode/2='0'i)"},
        {"(root (sub (x 1) (y 2)) (z 3))",
         "B1 B2 L3 L3 L2 | root/1(sub/2(x/3='1'i y/3='2'i) z/2='3'i)"},
        {"(root(x 1)(y 2))", "B1 L2 L2 | root/1(x/2='1'i y/2='2'i)"},
        {"  (root(x 1)(y 2))", "B1 L2 L2 | root/1(x/2='1'i y/2='2'i)"},
        {"\n(root\n\t(x 1)\r\n\t(y 2)\n)\n", "B1 L2 L2 | root/1(x/2='1'i y/2='2'i)"},
        {"( root ( x  1 ) )", "B1 L2 | root/1(x/2='1'i)"},
        {"(root (x 1)) junk", "B1 L2 | root/1(x/2='1'i)"},
        {"((a 1))", "B1 L2 | /1(a/2='1'i)"},
        {"(r ((x 1)))", "B1 B2 L3 | r/1(/2(x/3='1'i))"},
        {"(r (a (x 1)) (a (y 2)))", "B1 B2 L3 B2 L3 | r/1(a/2(x/3='1'i) a/2(y/3='2'i))"},
        // a leaf followed by a nested group is dropped with it; its slots stay free
        {"(root (x 1 (y 2)) (z 3))", "B1 L2 - - | root/1(z/2='3'i)"},
        {"(r (x 1 (y \"(\" 2)) (z 3))", "B1 L2 - - | r/1(z/2='3'i)"},
        {"(x 1 (y 2))", "- - | "},
        // text after a dropped first group becomes a root of depth 0, whose
        // deepest branch sits one stack slot above its depth
        {"(x 1 (y 2)) a (b (c 1))", "B0 B1 L2 - | a/0(b/1(c/2='1'i))"},
        {"(x 1 (y 2)) a (b (c (d 1 (e 2))))", "B0 B1 B2 - - - | a/0(b/1(c/2()))"},
        // values and their classes
        {"(root (x 1 2.5 True foo In))", "B1 L2 | root/1(x/2='1'i '2.5'r 'True'b 'foo't 'In't#0)"},
        {"(root (Usage Info) (Type Boolean) (Default True))",
         "B1 L2 L2 L2 | root/1(Usage/2!1='Info't#2 Type/2!2='Boolean't#7 Default/2!4='True'b)"},
        {"(root (x -3 +4 1e3 .5 5. 0x10))",
         "B1 L2 | root/1(x/2='-3'i '+4'i '1e3'r '.5'r '5.'r '0x10't)"},
        // quoted values: parentheses inside are text, the quotes go
        {"(root (x \")\"))", "B1 L2 | root/1(x/2=')'t)"},
        {"(root (x \"a b  \"))", "B1 L2 | root/1(x/2='a b't)"},
        {"(root (x \" 5\"))", "B1 L2 | root/1(x/2=' 5'i)"},
        {"(root (x ab\"p q\"e))", "B1 L2 | root/1(x/2='p q't 'e't)"},
        {"(r (x \"\"))", "B1 L2 | r/1(x/2=''e)"},
        {"(r (x 1 \"Dual-Dirac\"))", "B1 L2 | r/1(x/2='1'i 'Dual-Dirac't#18)"},
        // a quote that the balance check pairs differently ends at the end of the text
        {"(a\" (x \"1)) (b", "B1 L2 | a\"/1(x/2='1)) (b't)"},
        {"(a\" (x 1 (\"2)) (b", "B1 - | a\"/1()"},
        // whitespace: 120 characters where the limit applies, any run elsewhere
        {spaces120 + "(root (x 1))", "B1 L2 | root/1(x/2='1'i)"},
        {"(" + spaces120 + "root (x 1))", "B1 L2 | root/1(x/2='1'i)"},
        {"(root (x 1)" + spaces120 + "(y 2))", "B1 L2 L2 | root/1(x/2='1'i y/2='2'i)"},
        {"(root (x" + spaces121 + "1" + spaces121 + "2))", "B1 L2 | root/1(x/2='1'i '2'i)"},
        {"(root (x 1 (y 2))" + spaces121 + "(z 3))", "B1 L2 - - | root/1(z/2='3'i)"},
        {"(root (x 1))" + spaces121, "B1 L2 | root/1(x/2='1'i)"},
    };
    for (const DumpCase& c : cases) {
        ParsedText parsed(c.text);
        ASSERT_EQ(parsed.status, ParseOk) << '"' << c.text << '"';
        EXPECT_EQ(DumpParamTree(parsed.tree), c.dump) << '"' << c.text << '"';
    }
}

TEST(ParseParamTree, LeavesTheCallersTextAlone) {
    const char original[] = "(root (x \"a b\" \")\") (y 2))";
    char text[sizeof original];
    std::copy(original, original + sizeof original, text);
    ParsedText parsed(text);
    ASSERT_EQ(parsed.status, ParseOk);
    EXPECT_STREQ(text, original);
    EXPECT_EQ(DumpParamTree(parsed.tree), "B1 L2 L2 | root/1(x/2='a b't ')'t y/2='2'i)");
}

TEST(FreeParamTree, ReleasesAndClearsTheHolder) {
    ParamTree* tree = nullptr;
    ASSERT_EQ(ParseParamTree("(root (sub (x 1 2)) (y a))", &tree), ParseOk);
    FreeParamTree(&tree);
    EXPECT_EQ(tree, nullptr);
    FreeParamTree(&tree);
    FreeParamTree(nullptr);
}

}  // namespace
