// Compact text forms of parsed parameter trees, compared with expected ones.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ParamTree.h"

// "<entries> | <tree>": the entry slots in document order as kind letter and
// depth ("B1 L2", "-" for a free slot), then the tree from its root as
// name/depth, a branch followed by "(children)", a leaf by "=values"; a leaf
// keyword class shows as "!k". Each value is 'text' with a type letter
// (e empty, t text, i integer, b boolean, r real) and "#w" for a word class.
std::string DumpParamTree(const ParamTree* tree);

// Every leaf of the tree with its dotted path, in document order, by the
// plain recursive walk that builds each path in full: the reference for
// FindParamLeaf, which must find the first leaf of each path. Only for
// trees of modest depth.
std::vector<std::pair<std::string, const ParamNode*>> LeafPaths(const ParamTree* tree);

// "" when FindParamLeaf from the root agrees with LeafPaths on the path of
// every leaf and on that path with a "." appended; else the first path
// where it does not.
std::string FirstLookupDisagreement(const ParamTree* tree);

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
