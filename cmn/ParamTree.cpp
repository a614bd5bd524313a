#include "ParamTree.h"

#include <algorithm>
#include <cstdint>

#include "CmnSupport.h"
#include "ParamTreeBuild.h"

namespace {

struct ParenthesisCount {
    int64_t openings = 0;
    int64_t closings = 0;
};

// Parentheses inside double quotes belong to values and are not counted.
ParenthesisCount CountParentheses(const char* text) {
    ParenthesisCount count;
    bool quoted = false;
    for (const char* at = text; *at != '\0'; ++at) {
        if (*at == '"') {
            quoted = !quoted;
        } else if (!quoted && *at == '(') {
            ++count.openings;
        } else if (!quoted && *at == ')') {
            ++count.closings;
        }
    }
    return count;
}

// Pass 2: appends every entry to the child list of the branch it lies in,
// keeping the open branches on a stack. An entry more than one level deeper
// than its parent stays out of the tree.
int32_t LinkEntries(ParamTree* tree, int32_t made) {
    if (made == 0) return ParseOk;
    const ParamEntry* entries = tree->entries;
    int32_t deepest = 0;
    for (int32_t k = 0; k < made; ++k) deepest = std::max(deepest, entries[k].depth);

    // Pushed depths rise by one from the root's, which is at least 0, and
    // every push is a distinct entry: both bounds cap the stack.
    const int64_t slots = std::min<int64_t>(static_cast<int64_t>(deepest) + 1, made);
    ParamEntry* open = nullptr;
    if (!CmnAlloc(&open, static_cast<std::size_t>(slots) * sizeof(ParamEntry)))
        return ParseNoMemory;

    int32_t status = ParseOk;
    int64_t top = 0;
    for (int32_t k = 0; k < made && status == ParseOk; ++k) {
        const ParamEntry& entry = entries[k];
        if (k == 0 && entry.kind == EntryBranch) {
            open[0] = entry;
            continue;
        }
        while (status == ParseOk && open[top].depth >= entry.depth) {
            if (top == 0) {
                status = ParseNotUnderRoot;
            } else {
                --top;
            }
        }
        if (status != ParseOk) break;
        ParamNode* parent = open[top].node;
        if (parent == nullptr) {
            status = ParseNoInputOrParent;
            break;
        }
        if (open[top].depth + 1 != entry.depth) continue;
        if (!GrowParamItems(parent, sizeof(ParamEntry))) {
            status = ParseNoMemory;
            break;
        }
        ParamChildren(parent)[parent->count - 1] = entry;
        if (entry.kind == EntryBranch) open[++top] = entry;
    }
    CmnRelease(&open);
    return status;
}

}  // namespace

int GrowParamItems(ParamNode* node, std::size_t elementSize) {
    const int64_t count = static_cast<int64_t>(node->count) + 1;
    if (count > INT32_MAX || static_cast<uint64_t>(count) > SIZE_MAX / elementSize) return 0;
    const std::size_t size = static_cast<std::size_t>(count) * elementSize;
    const int grown =
        node->items == nullptr ? CmnAlloc(&node->items, size) : CmnResize(&node->items, size);
    if (grown) node->count = static_cast<int32_t>(count);
    return grown;
}

void ReleaseParamNode(ParamEntry* slot) {
    ParamNode* node = slot->node;
    if (slot->kind == EntryLeaf) {
        ParamValue* values = ParamValues(node);
        for (int32_t index = 0; values != nullptr && index < node->count; ++index) {
            if (values[index].text != nullptr) CmnRelease(&values[index].text);
        }
        if (node->items != nullptr) CmnRelease(&node->items);
        if (node->name != nullptr) CmnRelease(&node->name);
    } else {
        if (node->name != nullptr) CmnRelease(&node->name);
        if (node->items != nullptr) CmnRelease(&node->items);
    }
    CmnRelease(&slot->node);
    *slot = ParamEntry{};
}

int32_t ParseParamTree(const char* text, ParamTree** holder) {
    if (text == nullptr || holder == nullptr) return ParseNoInputOrParent;
    const char* start = text;
    if (!CmnSkipSpace(&start)) return ParseWhitespaceRun;
    if (*start != '(') return ParseNoOpening;

    const ParenthesisCount count = CountParentheses(start);
    if (count.openings != count.closings) return ParseUnbalanced;
    if (count.openings > INT32_MAX ||
        static_cast<uint64_t>(count.openings) > SIZE_MAX / sizeof(ParamEntry)) {
        return ParseNoMemory;
    }

    ParamTree* tree = nullptr;
    if (!CmnAlloc(&tree, sizeof(ParamTree))) return ParseNoMemory;
    if (!CmnAlloc(&tree->entries, static_cast<std::size_t>(count.openings) * sizeof(ParamEntry))) {
        CmnRelease(&tree);
        return ParseNoMemory;
    }
    tree->count = static_cast<int32_t>(count.openings);

    // Without its working copy the parse cannot tell anything: a failure,
    // not an empty success.
    char* copy = CmnDupText(start);
    if (copy == nullptr) {
        FreeParamTree(&tree);
        return ParseNoMemory;
    }
    int32_t made = 0;
    int32_t status = ScanParamEntries(copy, tree, &made);
    if (status == ParseOk) status = LinkEntries(tree, made);
    CmnRelease(&copy);
    if (status != ParseOk) {
        FreeParamTree(&tree);
        return status;
    }
    *holder = tree;
    return ParseOk;
}

void FreeParamTree(ParamTree** holder) {
    if (holder == nullptr || *holder == nullptr) return;
    ParamTree* tree = *holder;
    if (tree->entries != nullptr) {
        for (int32_t k = 0; k < tree->count; ++k) {
            if (tree->entries[k].node != nullptr) ReleaseParamNode(&tree->entries[k]);
        }
        CmnRelease(&tree->entries);
    }
    CmnRelease(holder);
}
