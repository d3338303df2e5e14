// The stream form of TTreeQOR: each level a list of nodes, a node's children
// as a nested list right after it.
#include "framework/tree.h"
#include "model/value_stream.h"

#include <algorithm>
#include <unordered_set>

namespace {

void WriteNode(TWriter &writer, const TNodeArbre &node)
{
    writer.PutIdent("IDNode");
    writer.PutInteger(node.IDNode);
    writer.PutIdent("Child");
    writer.PutInteger(node.Child);
    writer.PutIdent("IDComponent");
    writer.PutInteger(node.IDComponent);
    writer.PutIdent("NodeType");
    writer.PutInteger(node.NodeType);
    writer.PutIdent("Name");
    writer.PutString(node.Name);
}

// The five pairs of one node; labels are read and not compared.
TNodeArbre ReadNode(TReader &reader, int32_t parent)
{
    TNodeArbre node;
    reader.GetIdent();
    node.IDNode = reader.GetInteger();
    reader.GetIdent();
    node.Child = reader.GetInteger();
    reader.GetIdent();
    node.IDComponent = reader.GetInteger();
    reader.GetIdent();
    node.NodeType = reader.GetInteger();
    reader.GetIdent();
    node.Name = reader.GetString();
    node.Parent = parent;
    return node;
}

} // namespace

void TTreeQOR::WriteTree(TWriter &writer) const
{
    int first = IndexOfNode(FirstIdNode);
    int32_t top = first == -1 ? -1 : nodes_[static_cast<size_t>(first)].Parent;

    // A node whose chain runs into a cycle is its own ancestor or hangs below
    // one: such nodes are skipped. Found for all nodes in one pass.
    std::vector<bool> loops = ChainsThatLoop();
    std::unordered_set<int32_t> skipped;
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (loops[i])
            skipped.insert(nodes_[i].IDNode);

    // Every level listed in one pass; written without recursion, so that a
    // deep tree cannot exhaust the stack.
    std::unordered_map<int32_t, TArrayDeNodes> childrenOf = LevelsByParent();
    childrenOf.erase(0);
    std::unordered_set<int32_t> written;
    std::vector<std::pair<TArrayDeNodes, size_t>> levels;
    levels.emplace_back(ChildNodes(top, true), 0);
    writer.PutListStart();
    while (!levels.empty()) {
        auto &[list, next] = levels.back();
        if (next == list.size()) {
            writer.PutListEnd();
            levels.pop_back();
            continue;
        }
        TNodeArbre node = list[next++];
        if (skipped.count(node.IDNode) != 0 || !written.insert(node.IDNode).second)
            continue;
        WriteNode(writer, node);
        auto children = childrenOf.find(node.IDNode);
        if (children != childrenOf.end()) {
            writer.PutListStart();
            levels.emplace_back(std::move(children->second), 0);
            childrenOf.erase(children);
        }
    }
}

// Each node read goes under the node of the enclosing list. Every node on the
// stack of open lists was placed by this read under the one before it and
// cannot change while the list is open (that would make it its own ancestor),
// so the parent chain of a node read is exactly that stack: the checks of
// CheckNode are answered from the stack and a count of children, without
// walking the chain. New nodes are appended and sorted into place once at the
// end, also when the read fails.
void TTreeQOR::ReadTree(TReader &reader)
{
    struct Open {
        int32_t id;
        bool shortcut;
    };
    std::vector<Open> stack;
    std::unordered_set<int32_t> onStack;
    std::unordered_map<int32_t, int> childCount;
    for (const auto &node : nodes_)
        if (node.Parent >= kFirstNodeId)
            ++childCount[node.Parent];

    const size_t sorted = nodes_.size();
    std::unordered_map<int32_t, size_t> appended;
    auto find = [&](int32_t id) -> TQORTreeNode * {
        auto end = nodes_.begin() + static_cast<std::ptrdiff_t>(sorted);
        auto place = std::lower_bound(nodes_.begin(), end, id,
                                      [](const TQORTreeNode &n, int32_t key) { return n.IDNode < key; });
        if (place != end && place->IDNode == id)
            return &*place;
        auto found = appended.find(id);
        return found == appended.end() ? nullptr : &nodes_[found->second];
    };
    struct SortOnExit {
        std::vector<TQORTreeNode> &nodes;
        size_t sorted;
        ~SortOnExit()
        {
            auto byId = [](const TQORTreeNode &a, const TQORTreeNode &b) { return a.IDNode < b.IDNode; };
            auto middle = nodes.begin() + static_cast<std::ptrdiff_t>(sorted);
            std::sort(middle, nodes.end(), byId);
            std::inplace_merge(nodes.begin(), middle, nodes.end(), byId);
        }
    } sortOnExit{nodes_, sorted};

    auto check = [&](const TNodeArbre &node) {
        if (node.IDNode < kFirstNodeId)
            throw ETreeQOR("IDNode must be >=" + std::to_string(kFirstNodeId));
        if (node.IDNode > kLastNodeId)
            throw ETreeQOR("IDNode must be <=" + std::to_string(kLastNodeId));
        // The chain is the stack from its top down; only the top can be a
        // shortcut, since nothing could have been placed below a lower one.
        if (!stack.empty()) {
            if (stack.back().id == node.IDNode)
                throw ETreeQOR("Nodo circular no permitido");
            if (stack.back().shortcut)
                throw ETreeQOR("A parent node cannot be a tnAccesDirecte");
            if (onStack.count(node.IDNode) != 0)
                throw ETreeQOR("Nodo circular no permitido");
        }
        if (node.NodeType != tnAccesDirecte)
            return;
        auto children = childCount.find(node.IDNode);
        if (children != childCount.end() && children->second > 0)
            throw ETreeQOR("Este tipo de nodo no puede tener hijos");
        if (onStack.count(node.IDComponent) != 0)
            throw ETreeQOR("Nodo circular no permitido");
    };

    reader.GetListStart();
    while (true) {
        if (reader.AtListEnd()) {
            reader.GetListEnd();
            if (stack.empty())
                break;
            onStack.erase(stack.back().id);
            stack.pop_back();
            continue;
        }
        TNodeArbre node = ReadNode(reader, stack.empty() ? -1 : stack.back().id);
        check(node);
        if (TQORTreeNode *present = find(node.IDNode)) {
            if (present->Parent >= kFirstNodeId)
                --childCount[present->Parent];
            static_cast<TNodeArbre &>(*present) = node;
        } else {
            TQORTreeNode entry;
            static_cast<TNodeArbre &>(entry) = node;
            entry.SavedIDNode = node.IDNode;
            entry.SavedChild = node.Child;
            entry.SavedName = node.Name;
            appended.emplace(node.IDNode, nodes_.size());
            nodes_.push_back(std::move(entry));
        }
        if (node.Parent >= kFirstNodeId)
            ++childCount[node.Parent];
        if (reader.PeekTag() == vaList) {
            reader.GetListStart();
            stack.push_back({node.IDNode, node.NodeType == tnAccesDirecte});
            onStack.insert(node.IDNode);
        }
    }
}
