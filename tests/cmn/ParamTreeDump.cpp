#include "ParamTreeDump.h"

namespace {

const char* TypeLetter(int32_t type) {
    switch (type) {
        case ValueEmpty: return "e";
        case ValueText: return "t";
        case ValueInteger: return "i";
        case ValueBoolean: return "b";
        case ValueReal: return "r";
        default: return "?";
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

}  // namespace

std::string DumpParamTree(const ParamTree* tree) {
    if (tree == nullptr) return "(no tree)";
    std::string out;
    for (int32_t k = 0; k < tree->count; ++k) {
        const ParamEntry& slot = tree->entries[k];
        if (k > 0) out += " ";
        out += slot.node == nullptr ? "-" : (slot.kind == EntryBranch ? "B" : "L") + std::to_string(slot.depth);
    }
    out += " | ";
    if (tree->count > 0 && tree->entries[0].node != nullptr) DumpEntry(tree->entries[0], out);
    return out;
}
