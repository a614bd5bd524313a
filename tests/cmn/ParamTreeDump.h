// Compact text forms of parsed parameter trees, compared with expected ones.
#pragma once

#include <cstdint>
#include <string>

#include "ParamTree.h"

// "<entries> | <tree>": the entry slots in document order as kind letter and
// depth ("B1 L2", "-" for a free slot), then the tree from its root as
// name/depth, a branch followed by "(children)", a leaf by "=values"; a leaf
// keyword class shows as "!k". Each value is 'text' with a type letter
// (e empty, t text, i integer, b boolean, r real) and "#w" for a word class.
std::string DumpParamTree(const ParamTree* tree);

// A parse whose tree is released with it.
struct ParsedText {
    explicit ParsedText(const char* text) : status(ParseParamTree(text, &tree)) {}
    explicit ParsedText(const std::string& text) : ParsedText(text.c_str()) {}
    ~ParsedText() { FreeParamTree(&tree); }
    ParsedText(const ParsedText&) = delete;
    ParsedText& operator=(const ParsedText&) = delete;

    ParamTree* tree = nullptr;
    int32_t status;
};
