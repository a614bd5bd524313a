// Numeric settings from the AMI parameter string, looked up by dotted path
// such as "Larkspur.EQ_Level": the root's name is the first component.
#pragma once

#include "ParamTree.h"

class ParamReader {
public:
    // Parses the text once; a null text is treated like "". A text that does
    // not parse gives a reader whose every lookup answers false.
    explicit ParamReader(const char* parameterString);
    ~ParamReader();  // releases the tree
    ParamReader(const ParamReader&) = delete;
    ParamReader& operator=(const ParamReader&) = delete;

    // The first value of the first leaf with this path, when that value is an
    // integer or a real that a double holds; the destination is written only
    // when the result is true.
    bool GetDouble(double& destination, const char* path) const;

    bool ok;          // the parse succeeded
    ParamTree* tree;  // null unless ok
};

// The first leaf, in document order, below `branch` whose path equals `path`
// (exact byte comparison), where the branch's own path is its name after
// `prefix` and "." (just its name for an empty prefix). Null when there is
// none, when the path names a branch, or when the heap refuses the walk's
// stack.
const ParamNode* FindParamLeaf(const ParamNode* branch, const char* path, const char* prefix);
