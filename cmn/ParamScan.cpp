// Pass 1 of ParseParamTree: one item step per counted opening parenthesis.
//
// The level counter rises by one at a group's "(" and by one when the group
// is recognised as a branch or a leaf, and falls by two at its ")", so half
// of it is the depth of a well-formed group. A group with a name and nothing
// else, such as "(Name)", rises only once: the level then runs one short
// and a later check fails the parse. A leaf whose values are followed by a
// nested group is discarded together with that group.
#include <algorithm>
#include <cstdint>

#include "CmnSupport.h"
#include "ParamClassify.h"
#include "ParamTreeBuild.h"

namespace {

struct Scan {
    ParamTree* tree;
    char* item;         // where the next step starts
    int64_t level = 0;  // see the head of this file
    int64_t step = 0;
    int32_t made = 0;    // entries made, in slots 0 to made - 1
    bool atEnd = false;  // the text ended inside a step: the later ones find nothing
};

// A name or value runs from its start to its recorded end, less trailing
// whitespace. An end before the start is a gap remembered across a closing
// parenthesis, as in "(Name )" followed by a sibling.
int32_t CopyTrimmed(const char* start, const char* end, char** copy) {
    if (end < start) return ParseEndBeforeStart;
    while (end > start && IsParamSpace(end[-1])) --end;
    *copy = CmnCopyPrefix(start, static_cast<std::size_t>(end - start));
    return *copy != nullptr ? ParseOk : ParseNoMemory;
}

// Fills the next free slot with a node of the given kind holding the name.
int32_t OpenEntry(Scan& scan, EntryKind kind, const char* nameStart, const char* nameEnd) {
    if (scan.made >= scan.tree->count) return ParseTooManyEntries;
    if (nameEnd < nameStart) return ParseEndBeforeStart;
    ParamEntry& slot = scan.tree->entries[scan.made];
    slot.kind = kind;
    slot.depth = static_cast<int32_t>(std::min<int64_t>(scan.level / 2, INT32_MAX));
    if (!CmnAlloc(&slot.node, sizeof(ParamNode))) return ParseNoMemory;
    return CopyTrimmed(nameStart, nameEnd, &slot.node->name);
}

int32_t AppendValue(ParamNode* leaf, const char* start, const char* end) {
    if (!GrowParamItems(leaf, sizeof(ParamValue))) return ParseNoMemory;
    ParamValue& value = ParamValues(leaf)[leaf->count - 1];
    value = ParamValue{nullptr, ValueEmpty, -1};
    const int32_t status = CopyTrimmed(start, end, &value.text);
    if (status != ParseOk) return status;
    value.type = ClassifyParamValue(value.text);
    if (value.type == ValueText) ClassifyParamWord(&value, value.text);
    return ParseOk;
}

// Walks from the "(" of a group nested in a leaf to just past the leaf's
// own ")"; quoted text is stepped over whole.
char* SkipDiscardedGroups(char* at) {
    int64_t open = 1;
    while (*at != '\0') {
        const char c = *at++;
        if (c == '"') {
            while (*at != '\0' && *at != '"') ++at;
            if (*at == '"') ++at;
        } else if (c == '(') {
            ++open;
        } else if (c == ')' && --open == 0) {
            break;
        }
    }
    return at;
}

// The ")" of a group: steps past it and its trailing whitespace and lowers
// the level.
int32_t CloseGroup(Scan& scan, char*& at) {
    ++at;
    if (!CmnSkipSpace(&at)) return ParseWhitespaceRun;
    if (scan.level <= 1) return ParseStrayClosing;
    scan.level -= 2;
    return ParseOk;
}

// A quoted part of a value: the quotes become spaces, so the closing one
// ends the value like whitespace. A missing closing quote ends the value at
// the end of the text. Returns where scanning goes on.
char* OpenQuote(char* quote, char*& valueStart) {
    *quote = ' ';
    valueStart = quote + 1;
    char* close = valueStart;
    while (*close != '\0' && *close != '"') ++close;
    if (*close == '"') *close = ' ';
    return close;
}

// The values of a leaf, starting at its first value character.
int32_t ScanLeaf(Scan& scan, const char* nameStart, const char* nameEnd, char* at) {
    ++scan.level;
    int32_t status = OpenEntry(scan, EntryLeaf, nameStart, nameEnd);
    if (status != ParseOk) return status;
    ParamEntry& slot = scan.tree->entries[scan.made];
    ParamNode* leaf = slot.node;
    leaf->keyword = ClassifyParamKeyword(leaf->name);

    char* valueStart = at;
    const char* valueEnd = nullptr;
    bool gap = false;
    for (;;) {
        const char c = *at;
        if (c == '(') {
            ReleaseParamNode(&slot);
            at = SkipDiscardedGroups(at);
            while (IsParamSpace(*at)) ++at;
            if (scan.level <= 1) return ParseStrayClosing;
            scan.level -= 2;
            scan.item = at;
            return ParseOk;
        }
        if (c == ')' || c == '\0') {
            status = AppendValue(leaf, valueStart, at);
            if (status != ParseOk) return status;
            if (c == '\0') {
                scan.atEnd = true;
            } else {
                status = CloseGroup(scan, at);
                if (status != ParseOk) return status;
            }
            scan.item = at;
            ++scan.made;
            return ParseOk;
        }
        if (IsParamSpace(c)) {
            if (!gap) valueEnd = at;
            gap = true;
            ++at;
        } else if (gap) {
            status = AppendValue(leaf, valueStart, valueEnd);
            if (status != ParseOk) return status;
            valueStart = at;
            gap = false;
        } else if (c == '"') {
            at = OpenQuote(at, valueStart);
        } else {
            ++at;
        }
    }
}

// One item step: a group's name up to its first sub-group (a branch) or
// its first value (a leaf), passing the closings of finished groups.
int32_t ScanItem(Scan& scan) {
    char* at = scan.item;
    if (*at == '(') {
        ++scan.level;
        ++at;
        if (!CmnSkipSpace(&at)) return ParseWhitespaceRun;
    }
    const char* nameStart = at;
    const char* nameEnd = nullptr;
    bool gap = false;
    for (;;) {
        const char c = *at;
        if (c == '\0') {
            scan.atEnd = true;
            return ParseOk;
        }
        if (c == '(') {
            ++scan.level;
            if (nameEnd == nullptr) nameEnd = at;
            const int32_t status = OpenEntry(scan, EntryBranch, nameStart, nameEnd);
            if (status != ParseOk) return status;
            ++scan.made;
            scan.item = at;
            return ParseOk;
        }
        if (c == ')') {
            const int32_t status = CloseGroup(scan, at);
            if (status != ParseOk) return status;
            if (scan.step <= 0) return ParseStrayClosing;
            --scan.step;  // a closing does not use up a step
            scan.item = at;
            if (*at == '(') {
                ++at;
                ++scan.level;
            }
            if (!CmnSkipSpace(&at)) return ParseWhitespaceRun;
            nameStart = at;  // the gap and the name end carry over
        } else if (IsParamSpace(c)) {
            if (!gap) nameEnd = at;
            gap = true;
            ++at;
        } else if (gap) {
            return ScanLeaf(scan, nameStart, nameEnd, at);
        } else {
            ++at;
        }
    }
}

}  // namespace

int32_t ScanParamEntries(char* text, ParamTree* tree, int32_t* made) {
    Scan scan{tree, text};
    int32_t status = ParseOk;
    for (; scan.step < tree->count && !scan.atEnd && status == ParseOk; ++scan.step) {
        status = ScanItem(scan);
    }
    *made = scan.made;
    return status;
}
