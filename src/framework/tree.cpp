#include "framework/tree.h"

#include "model/format.h"

#include <algorithm>
#include <unordered_set>

namespace {

[[noreturn]] void Circular()
{
    throw ETreeQOR("Nodo circular no permitido");
}

} // namespace

bool TTreeQOR::IsFolderLike(int32_t nodeType)
{
    return nodeType == 14 || nodeType == 18 || nodeType == tnAccesDirecte || nodeType == 28;
}

int TTreeQOR::IndexOfNode(int32_t id) const
{
    if (id <= 0)
        return -1;
    auto found = std::lower_bound(nodes_.begin(), nodes_.end(), id,
                                  [](const TQORTreeNode &node, int32_t key) { return node.IDNode < key; });
    return found != nodes_.end() && found->IDNode == id ? static_cast<int>(found - nodes_.begin()) : -1;
}

TNodeArbre TTreeQOR::GetNode(int32_t id) const
{
    int index = IndexOfNode(id);
    return index == -1 ? kEmptyNode : static_cast<const TNodeArbre &>(nodes_[static_cast<size_t>(index)]);
}

// Every node of the chain is examined, node 1 included, and the walk never
// takes more steps than there are nodes.
template <typename Visit> void TTreeQOR::WalkParents(const TNodeArbre &node, Visit &&visit) const
{
    int32_t parent = node.Parent;
    for (int steps = 0; parent >= kFirstNodeId; ++steps) {
        if (steps > Count())
            Circular();
        // The node itself is met as checked, whether or not it is in the tree yet.
        const TNodeArbre *met = &node;
        if (parent != node.IDNode) {
            int index = IndexOfNode(parent);
            if (index == -1)
                return;
            met = &nodes_[static_cast<size_t>(index)];
        }
        if (!visit(*met))
            return;
        parent = met->Parent;
    }
}

void TTreeQOR::CheckNode(const TNodeArbre &node) const
{
    if (node.IDNode < kFirstNodeId)
        throw ETreeQOR("IDNode must be >=" + std::to_string(kFirstNodeId));
    if (node.IDNode > kLastNodeId)
        throw ETreeQOR("IDNode must be <=" + std::to_string(kLastNodeId));
    WalkParents(node, [&](const TNodeArbre &met) {
        if (met.IDNode == node.IDNode)
            Circular();
        if (met.NodeType == tnAccesDirecte)
            throw ETreeQOR("A parent node cannot be a tnAccesDirecte");
        return true;
    });
    if (node.NodeType != tnAccesDirecte)
        return;
    for (const auto &other : nodes_)
        if (other.Parent == node.IDNode)
            throw ETreeQOR("Este tipo de nodo no puede tener hijos");
    // A shortcut may not lead to one of its own ancestors.
    WalkParents(node, [&](const TNodeArbre &met) {
        if (met.IDNode == node.IDComponent)
            Circular();
        return true;
    });
}

void TTreeQOR::AddOrUpdateNode(const TNodeArbre &node)
{
    int index = IndexOfNode(node.IDNode);
    if (index != -1) {
        ModifyNode(index, node.Parent, node.Child, node.IDComponent, node.NodeType, node.Name);
        return;
    }
    CheckNode(node);
    auto place = std::lower_bound(nodes_.begin(), nodes_.end(), node.IDNode,
                                  [](const TQORTreeNode &n, int32_t key) { return n.IDNode < key; });
    if (place != nodes_.end() && place->IDNode == node.IDNode)
        throw Exception("IDNode duplicado: " + std::to_string(node.IDNode));
    TQORTreeNode entry;
    static_cast<TNodeArbre &>(entry) = node;
    entry.SavedIDNode = node.IDNode;
    entry.SavedChild = node.Child;
    entry.SavedName = node.Name;
    nodes_.insert(place, std::move(entry));
}

void TTreeQOR::ModifyNode(int index, int32_t parent, int32_t child, int32_t idComponent, int32_t nodeType,
                          const std::string &name)
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText("List index out of bounds (%d)", {index}));
    auto &node = nodes_[static_cast<size_t>(index)];
    TNodeArbre former = node;
    node.Parent = parent;
    node.Child = child;
    node.IDComponent = idComponent;
    node.NodeType = nodeType;
    node.Name = name;
    try {
        CheckNode(node);
    } catch (...) {
        static_cast<TNodeArbre &>(nodes_[static_cast<size_t>(index)]) = former;
        throw;
    }
}

void TTreeQOR::DeleteNode(int index)
{
    if (index < 0 || index >= Count())
        throw EListError(FormatText("List index out of bounds (%d)", {index}));
    // What hangs below each identifier (children and shortcuts leading to it),
    // listed in one pass; the subtree is then gathered without recursion, so a
    // deep one neither exhausts the stack nor costs a scan per node.
    std::unordered_map<int32_t, std::vector<int32_t>> below;
    for (const auto &node : nodes_) {
        below[node.Parent].push_back(node.IDNode);
        if (node.NodeType == tnAccesDirecte)
            below[node.IDComponent].push_back(node.IDNode);
    }
    std::unordered_set<int32_t> doomed{nodes_[static_cast<size_t>(index)].IDNode};
    std::vector<int32_t> pending(doomed.begin(), doomed.end());
    while (!pending.empty()) {
        auto found = below.find(pending.back());
        pending.pop_back();
        if (found == below.end())
            continue;
        for (int32_t id : found->second)
            if (doomed.insert(id).second)
                pending.push_back(id);
    }
    std::erase_if(nodes_, [&](const TQORTreeNode &node) { return doomed.count(node.IDNode) != 0; });
}

std::unordered_map<int32_t, TArrayDeNodes> TTreeQOR::LevelsByParent() const
{
    std::unordered_map<int32_t, TArrayDeNodes> levels;
    for (const auto &node : nodes_)
        levels[node.Parent < kFirstNodeId ? 0 : node.Parent].push_back(node);
    for (auto &[parent, children] : levels)
        std::stable_sort(children.begin(), children.end(),
                         [](const TNodeArbre &a, const TNodeArbre &b) { return a.Child < b.Child; });
    return levels;
}

std::vector<bool> TTreeQOR::ChainsThatLoop() const
{
    enum : uint8_t { kUnknown, kOnPath, kEndsAtRoot, kLoops };
    std::vector<uint8_t> state(nodes_.size(), kUnknown);
    std::vector<size_t> path;
    for (size_t start = 0; start < nodes_.size(); ++start) {
        path.clear();
        uint8_t verdict = kEndsAtRoot;
        for (size_t at = start; state[at] != kEndsAtRoot && state[at] != kLoops;) {
            if (state[at] == kOnPath) {
                verdict = kLoops;
                break;
            }
            state[at] = kOnPath;
            path.push_back(at);
            int parent = IndexOfNode(nodes_[at].Parent);
            if (parent == -1)
                break;
            at = static_cast<size_t>(parent);
            verdict = state[at] == kLoops ? kLoops : kEndsAtRoot;
        }
        for (size_t at : path)
            state[at] = verdict;
    }
    std::vector<bool> loops(nodes_.size());
    for (size_t i = 0; i < nodes_.size(); ++i)
        loops[i] = state[i] == kLoops;
    return loops;
}

TArrayDeNodes TTreeQOR::ChildNodes(int32_t parent, bool directOnly) const
{
    if (directOnly) {
        TArrayDeNodes list;
        for (const auto &node : nodes_)
            if (parent < kFirstNodeId ? node.Parent < kFirstNodeId : node.Parent == parent)
                list.push_back(node);
        std::stable_sort(list.begin(), list.end(),
                         [](const TNodeArbre &a, const TNodeArbre &b) { return a.Child < b.Child; });
        return list;
    }

    // Folder-like nodes give way to their contents, depth first, each folder once.
    std::unordered_map<int32_t, TArrayDeNodes> levels = LevelsByParent();
    auto level = [&levels](int32_t of) {
        auto found = levels.find(of < kFirstNodeId ? 0 : of);
        return found == levels.end() ? TArrayDeNodes() : found->second;
    };
    TArrayDeNodes result;
    std::unordered_set<int32_t> opened;
    std::vector<std::pair<TArrayDeNodes, size_t>> stack;
    stack.emplace_back(level(parent), 0);
    while (!stack.empty()) {
        auto &[list, next] = stack.back();
        if (next == list.size()) {
            stack.pop_back();
            continue;
        }
        TNodeArbre node = list[next++];
        if (!IsFolderLike(node.NodeType))
            result.push_back(std::move(node));
        else if (opened.insert(node.IDNode).second)
            stack.emplace_back(level(node.IDNode), 0);
    }
    return result;
}

TArrayDeNodes TTreeQOR::ChildNodesOfType(int32_t parent, bool directOnly, int32_t nodeType) const
{
    TArrayDeNodes list = ChildNodes(parent, directOnly);
    std::erase_if(list, [&](const TNodeArbre &node) { return node.NodeType != nodeType; });
    return list;
}

int32_t TTreeQOR::NewIDNode() const
{
    int32_t highest = 0;
    for (const auto &node : nodes_)
        if (node.IDNode < kLastNodeId)
            highest = std::max(highest, node.IDNode);
    if (highest + 1 >= kLastNodeId)
        throw ETreeQOR("No more nodes available");
    return highest + 1;
}
