// The stream form of TTreeQOR: each level a list of nodes, a node's children
// as a nested list right after it.
#include "framework/tree.h"
#include "model/value_stream.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

void TTreeQOR::WriteTree(TWriter &writer) const
{
    int first = IndexOfNode(FirstIdNode);
    int32_t top = first == -1 ? -1 : nodes_[static_cast<size_t>(first)].Parent;

    // Every level listed in one pass, sorted by Child.
    std::unordered_map<int32_t, TArrayDeNodes> childrenOf;
    for (const auto &node : nodes_)
        if (node.Parent >= kFirstNodeId)
            childrenOf[node.Parent].push_back(node);
    for (auto &[parent, children] : childrenOf)
        std::stable_sort(children.begin(), children.end(),
                         [](const TNodeArbre &a, const TNodeArbre &b) { return a.Child < b.Child; });

    // Without recursion, so that a deep tree cannot exhaust the stack.
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
        if (IsOwnAncestor(node) || !written.insert(node.IDNode).second)
            continue;
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
        auto children = childrenOf.find(node.IDNode);
        if (children != childrenOf.end()) {
            writer.PutListStart();
            levels.emplace_back(std::move(children->second), 0);
            childrenOf.erase(children);
        }
    }
}

void TTreeQOR::ReadTree(TReader &reader)
{
    // The parent of each open level; the outer list holds top-level nodes.
    std::vector<int32_t> parents{-1};
    reader.GetListStart();
    while (!parents.empty()) {
        if (reader.AtListEnd()) {
            reader.GetListEnd();
            parents.pop_back();
            continue;
        }
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
        node.Parent = parents.back();
        AddOrUpdateNode(node);
        if (reader.PeekTag() == vaList) {
            reader.GetListStart();
            parents.push_back(node.IDNode);
        }
    }
}
