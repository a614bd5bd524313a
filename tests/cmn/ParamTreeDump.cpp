#include "ParamTreeDump.h"

#include <map>

#include "ParamReader.h"

namespace {

const char* TypeLetter(int32_t type) {
    switch (type) {
        case ValueEmpty:
            return "e";
        case ValueText:
            return "t";
        case ValueInteger:
            return "i";
        case ValueBoolean:
            return "b";
        case ValueReal:
            return "r";
        default:
            return "?";
    }
}

void DumpEntry(const ParamEntry& entry, std::string& out) {
    const ParamNode* node = entry.node;
    out += std::string(node->name) + "/" + std::to_string(entry.depth);
    if (entry.kind == EntryBranch) {
        out += "(";
        for (int32_t k = 0; k < node->count; ++k) {
            if (k > 0) out += " ";
            DumpEntry(ParamChildren(node)[k], out);
        }
        out += ")";
        return;
    }
    if (node->keyword != 0) out += "!" + std::to_string(node->keyword);
    out += "=";
    for (int32_t k = 0; k < node->count; ++k) {
        const ParamValue& value = ParamValues(node)[k];
        if (k > 0) out += " ";
        out += "'" + std::string(value.text) + "'" + TypeLetter(value.type);
        if (value.word != -1) out += "#" + std::to_string(value.word);
    }
}

void CollectLeafPaths(const ParamNode* branch, const std::string& ownPath,
                      std::vector<std::pair<std::string, const ParamNode*>>& leaves) {
    for (int32_t k = 0; k < branch->count; ++k) {
        const ParamEntry& child = ParamChildren(branch)[k];
        const std::string path =
            ownPath.empty() ? child.node->name : ownPath + "." + child.node->name;
        if (child.kind == EntryLeaf) {
            leaves.emplace_back(path, child.node);
        } else {
            CollectLeafPaths(child.node, path, leaves);
        }
    }
}

}  // namespace

std::vector<std::pair<std::string, const ParamNode*>> LeafPaths(const ParamTree* tree) {
    std::vector<std::pair<std::string, const ParamNode*>> leaves;
    if (tree != nullptr && tree->count > 0 && tree->entries[0].node != nullptr &&
        tree->entries[0].kind == EntryBranch) {
        CollectLeafPaths(tree->entries[0].node, tree->entries[0].node->name, leaves);
    }
    return leaves;
}

std::string FirstLookupDisagreement(const ParamTree* tree) {
    const auto leaves = LeafPaths(tree);
    std::map<std::string, const ParamNode*> firstByPath;
    for (const auto& leaf : leaves) firstByPath.emplace(leaf.first, leaf.second);
    for (const auto& leaf : leaves) {
        for (const std::string& path : {leaf.first, leaf.first + "."}) {
            const auto first = firstByPath.find(path);
            const ParamNode* expected = first != firstByPath.end() ? first->second : nullptr;
            if (FindParamLeaf(tree->entries[0].node, path.c_str(), "") != expected) return path;
        }
    }
    return "";
}

std::string DumpParamTree(const ParamTree* tree) {
    if (tree == nullptr) return "(no tree)";
    std::string out;
    for (int32_t k = 0; k < tree->count; ++k) {
        const ParamEntry& slot = tree->entries[k];
        if (k > 0) out += " ";
        out += slot.node == nullptr
                   ? "-"
                   : (slot.kind == EntryBranch ? "B" : "L") + std::to_string(slot.depth);
    }
    out += " | ";
    if (tree->count > 0 && tree->entries[0].node != nullptr) DumpEntry(tree->entries[0], out);
    return out;
}
