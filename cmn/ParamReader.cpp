#include "ParamReader.h"

#include <charconv>
#include <cstring>
#include <system_error>

#include "CmnSupport.h"

namespace {

// The walk compares paths as it descends instead of building them: every
// path below a node begins with the node's own path, so a node whose path is
// not a prefix of the wanted one is passed by, and each name is compared
// once. The cost stays linear in the tree, however deep.
struct WantedPath {
    const char* text;
    std::size_t length;

    // The length of the path of a child named `name` of a node whose own
    // path is the first `ownLength` characters of the wanted path, when that
    // child's path is also a prefix of it; otherwise -1.
    long long Extend(std::size_t ownLength, const char* name) const {
        std::size_t at = ownLength;
        if (ownLength != 0) {
            if (at >= length || text[at] != '.') return -1;
            ++at;
        }
        for (const char* c = name != nullptr ? name : ""; *c != '\0'; ++c, ++at) {
            if (at >= length || text[at] != *c) return -1;
        }
        return static_cast<long long>(at);
    }
};

struct Visit {
    const ParamNode* branch;
    std::size_t ownLength;  // the branch's path is this prefix of the wanted path
    int32_t next;           // child to look at next
};

class VisitStack {
public:
    VisitStack() = default;
    VisitStack(const VisitStack&) = delete;
    VisitStack& operator=(const VisitStack&) = delete;
    ~VisitStack() {
        if (visits != nullptr) CmnRelease(&visits);
    }

    bool Push(const ParamNode* branch, std::size_t ownLength) {
        if (!CmnResizeQuietly(&visits, (count + 1) * sizeof(Visit))) return false;
        visits[count++] = Visit{branch, ownLength, 0};
        return true;
    }
    void Pop() { --count; }
    bool Empty() const { return count == 0; }
    Visit& Top() { return visits[count - 1]; }

private:
    Visit* visits = nullptr;
    std::size_t count = 0;
};

bool HasChildren(const ParamNode* branch) { return branch->count > 0 && branch->items != nullptr; }

// The text is a decimal number in the form ClassifyParamValue accepts:
// leading whitespace and a "+" are the only parts the conversion itself does
// not take. It reads "." as the decimal point whatever the host's locale.
bool ToDouble(const char* text, double& result) {
    while (IsParamSpace(*text)) ++text;
    if (*text == '+') ++text;
    const char* end = text + std::strlen(text);
    double value = 0.0;
    const std::from_chars_result converted = std::from_chars(text, end, value);
    if (converted.ec != std::errc() || converted.ptr != end) return false;
    result = value;
    return true;
}

}  // namespace

const ParamNode* FindParamLeaf(const ParamNode* branch, const char* path, const char* prefix) {
    if (branch == nullptr || path == nullptr || !HasChildren(branch)) return nullptr;
    const WantedPath wanted{path, std::strlen(path)};
    if (prefix == nullptr) prefix = "";
    const std::size_t prefixLength = std::strlen(prefix);
    if (prefixLength > wanted.length || std::memcmp(path, prefix, prefixLength) != 0)
        return nullptr;
    const long long rootLength = wanted.Extend(prefixLength, branch->name);
    if (rootLength < 0) return nullptr;

    VisitStack stack;
    if (!stack.Push(branch, static_cast<std::size_t>(rootLength))) return nullptr;
    while (!stack.Empty()) {
        Visit& visit = stack.Top();
        if (visit.next >= visit.branch->count) {
            stack.Pop();
            continue;
        }
        const ParamEntry& child = ParamChildren(visit.branch)[visit.next++];
        if (child.node == nullptr) continue;
        const long long childLength = wanted.Extend(visit.ownLength, child.node->name);
        if (childLength < 0) continue;
        if (child.kind == EntryLeaf) {
            if (static_cast<std::size_t>(childLength) == wanted.length) return child.node;
        } else if (HasChildren(child.node)) {
            if (!stack.Push(child.node, static_cast<std::size_t>(childLength))) return nullptr;
        }
    }
    return nullptr;
}

ParamReader::ParamReader(const char* parameterString) : ok(false), tree(nullptr) {
    ok = ParseParamTree(parameterString != nullptr ? parameterString : "", &tree) == ParseOk;
}

ParamReader::~ParamReader() { FreeParamTree(&tree); }

bool ParamReader::GetDouble(double& destination, const char* path) const {
    if (!ok || tree == nullptr || tree->entries == nullptr || tree->count < 1) return false;
    const ParamEntry& root = tree->entries[0];
    if (root.node == nullptr || root.kind != EntryBranch) return false;
    const ParamNode* leaf = FindParamLeaf(root.node, path, "");
    if (leaf == nullptr || leaf->count < 1 || leaf->items == nullptr) return false;
    const ParamValue& first = ParamValues(leaf)[0];
    if (first.type != ValueInteger && first.type != ValueReal) return false;
    return first.text != nullptr && ToDouble(first.text, destination);
}
