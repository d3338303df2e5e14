// The stream form of TTreeQOR: each level a list of nodes, a node's children
// as a nested list right after it.
#include "framework/tree.h"
#include "model/value_stream.h"

#include <algorithm>
#include <unordered_map>
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

// The five labelled pairs of one node.
TNodeArbre ReadNode(TReader &reader, int32_t parent)
{
    TNodeArbre node;
    node.IDNode = reader.GetLabelledInteger();
    node.Child = reader.GetLabelledInteger();
    node.IDComponent = reader.GetLabelledInteger();
    node.NodeType = reader.GetLabelledInteger();
    node.Name = reader.GetLabelledString();
    node.Parent = parent;
    return node;
}

// Reads the nested node lists into a tree's nodes: a node of a known id
// replaces it, a new one is appended. Checks each node against the chain of
// nodes above it (circles, children of shortcuts). The nodes stay sorted by
// id even when reading fails half-way.
class TTreeStreamReader {
public:
    explicit TTreeStreamReader(std::vector<TQORTreeNode> &nodes) : nodes_(nodes), sorted_(nodes.size())
    {
        for (const auto &node : nodes_)
            if (node.Parent >= kFirstNodeId)
                ++childCount_[node.Parent];
    }
    ~TTreeStreamReader()
    {
        auto byId = [](const TQORTreeNode &a, const TQORTreeNode &b) { return a.IDNode < b.IDNode; };
        auto middle = nodes_.begin() + static_cast<std::ptrdiff_t>(sorted_);
        std::sort(middle, nodes_.end(), byId);
        std::inplace_merge(nodes_.begin(), middle, nodes_.end(), byId);
    }
    TTreeStreamReader(const TTreeStreamReader &) = delete;
    TTreeStreamReader &operator=(const TTreeStreamReader &) = delete;

    void Read(TReader &reader)
    {
        reader.GetListStart();
        while (true) {
            if (reader.AtListEnd()) {
                reader.GetListEnd();
                if (chain_.empty())
                    break;
                onChain_.erase(chain_.back().id);
                chain_.pop_back();
                continue;
            }
            const TNodeArbre node = ReadNode(reader, chain_.empty() ? -1 : chain_.back().id);
            Check(node);
            Store(node);
            if (reader.PeekTag() == vaList) {
                reader.GetListStart();
                chain_.push_back({node.IDNode, node.NodeType == tnAccesDirecte});
                onChain_.insert(node.IDNode);
            }
        }
    }

private:
    struct Open {
        int32_t id;
        bool shortcut;
    };

    TQORTreeNode *Find(int32_t id)
    {
        auto end = nodes_.begin() + static_cast<std::ptrdiff_t>(sorted_);
        auto place = std::lower_bound(nodes_.begin(), end, id,
                                      [](const TQORTreeNode &n, int32_t key) { return n.IDNode < key; });
        if (place != end && place->IDNode == id)
            return &*place;
        auto found = appended_.find(id);
        return found == appended_.end() ? nullptr : &nodes_[found->second];
    }

    void Check(const TNodeArbre &node) const
    {
        if (node.IDNode < kFirstNodeId)
            throw ETreeQOR("IDNode must be >=" + std::to_string(kFirstNodeId));
        if (node.IDNode > kLastNodeId)
            throw ETreeQOR("IDNode must be <=" + std::to_string(kLastNodeId));
        // The chain is read from its top down; only the top can be a
        // shortcut, since nothing could have been placed below a lower one.
        if (!chain_.empty()) {
            if (chain_.back().id == node.IDNode)
                throw ETreeQOR("Nodo circular no permitido");
            if (chain_.back().shortcut)
                throw ETreeQOR("A parent node cannot be a tnAccesDirecte");
            if (onChain_.count(node.IDNode) != 0)
                throw ETreeQOR("Nodo circular no permitido");
        }
        if (node.NodeType != tnAccesDirecte)
            return;
        auto children = childCount_.find(node.IDNode);
        if (children != childCount_.end() && children->second > 0)
            throw ETreeQOR("Este tipo de nodo no puede tener hijos");
        if (onChain_.count(node.IDComponent) != 0)
            throw ETreeQOR("Nodo circular no permitido");
    }

    void Store(const TNodeArbre &node)
    {
        if (TQORTreeNode *present = Find(node.IDNode)) {
            if (present->Parent >= kFirstNodeId)
                --childCount_[present->Parent];
            static_cast<TNodeArbre &>(*present) = node;
        } else {
            TQORTreeNode entry;
            static_cast<TNodeArbre &>(entry) = node;
            entry.SavedIDNode = node.IDNode;
            entry.SavedChild = node.Child;
            entry.SavedName = node.Name;
            appended_.emplace(node.IDNode, nodes_.size());
            nodes_.push_back(std::move(entry));
        }
        if (node.Parent >= kFirstNodeId)
            ++childCount_[node.Parent];
    }

    std::vector<TQORTreeNode> &nodes_;
    const size_t sorted_;
    std::vector<Open> chain_;
    std::unordered_set<int32_t> onChain_;
    std::unordered_map<int32_t, int> childCount_;
    std::unordered_map<int32_t, size_t> appended_;
};

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
    TTreeStreamReader(nodes_).Read(reader);
}
