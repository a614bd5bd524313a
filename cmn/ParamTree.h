// The parsed AMI parameter string: plain records owned by one ParamTree.
//
// Grammar: a tree of parenthesised groups such as
// "(Larkspur (EQ_Level 3) (Limit 1) (LTI_mode 0))". A group whose name is
// followed by sub-groups is a branch, one whose name is followed by values a
// leaf. `entries` lists every group in document order; each branch node holds
// copies of its direct children's entries.
#pragma once

#include <cstdint>

struct ParamNode;

enum EntryKind : int32_t { EntryBranch = 0, EntryLeaf = 1 };

enum ValueType : int32_t {
    ValueEmpty = -1,
    ValueText = 0,
    ValueInteger = 1,
    ValueBoolean = 2,
    ValueReal = 3,
};

struct ParamEntry {
    int32_t kind;
    int32_t depth;    // 1 for the outermost group
    ParamNode* node;  // null in a slot that no group filled
};

struct ParamValue {
    char* text;    // quotes removed
    int32_t type;  // ValueType
    int32_t word;  // reserved-word class, -1 for none
};

struct ParamNode {
    char* name;
    void* items;  // branch: ParamEntry[count]; leaf: ParamValue[count]; null while empty
    int32_t count;
    int32_t keyword;  // leaf keyword class; 0 in a branch
};

struct ParamTree {
    ParamEntry* entries;  // one slot per opening parenthesis outside quotes
    int32_t count;
};

inline ParamEntry* ParamChildren(const ParamNode* branch) {
    return static_cast<ParamEntry*>(branch->items);
}
inline ParamValue* ParamValues(const ParamNode* leaf) {
    return static_cast<ParamValue*>(leaf->items);
}

// Results of ParseParamTree. Any status but ParseOk leaves no tree behind.
enum ParseStatus : int32_t {
    ParseOk = 0,
    ParseUnbalanced = 1,       // "(" and ")" outside quotes differ in number
    ParseNoOpening = 2,        // the text does not start with "(" (after whitespace)
    ParseNoInputOrParent = 3,  // no text or holder; or the outermost group is a leaf
    ParseNoMemory = 4,         // the heap refused a request
    ParseNotUnderRoot = 5,     // a later group is not inside the outermost one
    ParseStrayClosing = 6,     // a ")" with no open group or step left
    ParseTooManyEntries = 7,   // more groups than counted openings
    ParseEndBeforeStart = 8,   // a name ending before it starts, as in "(Name )" + sibling
    ParseWhitespaceRun = 9,    // a whitespace run longer than the limit where it applies
};

// Parses the NUL-terminated text, which it leaves unchanged. The holder
// receives the tree only on ParseOk and is untouched otherwise; on any other
// status everything allocated has been released again.
int32_t ParseParamTree(const char* text, ParamTree** holder);

// Releases the tree in the holder and sets it to null; an absent holder or
// tree is left alone.
void FreeParamTree(ParamTree** holder);
