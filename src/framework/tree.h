#pragma once

#include "model/exception.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TReader;
class TWriter;

inline constexpr const char *kTreeErrorPrefix = "Error in TTreeQOR:\n";
inline constexpr int32_t kFirstNodeId = 1;
inline constexpr int32_t kLastNodeId = 100000;
// A shortcut: its IDComponent is the node it leads to.
inline constexpr int32_t tnAccesDirecte = 23;

// Errors of the node tree; the message starts with "Error in TTreeQOR:\n".
class ETreeQOR : public Exception {
public:
    explicit ETreeQOR(const std::string &text) : Exception(kTreeErrorPrefix + text) {}
};

struct TNodeArbre {
    int32_t IDNode = -1; // 1 to 100000, unique
    int32_t Parent = -1; // below 1: a top-level node
    int32_t Child = 0;   // position among the siblings
    int32_t IDComponent = -1;
    int32_t NodeType = -1; // 14, 18, 23 and 28 are folder-like
    std::string Name;
    bool operator==(const TNodeArbre &) const = default;
};

struct TQORTreeNode : TNodeArbre {
    bool Real = true;
    // The node as inserted.
    int32_t SavedIDNode = 0;
    int32_t SavedChild = 0;
    std::string SavedName;
};

using TArrayDeNodes = std::vector<TNodeArbre>;

// The empty node record, returned for an absent identifier.
inline const TNodeArbre kEmptyNode{-1, -1, 0, -1, -1, ""};

// A tree of named nodes kept sorted by identifier. Every change is checked, so
// the parent links never form a cycle; the walks are bounded all the same.
class TTreeQOR {
public:
    int32_t FirstIdNode = 1; // the stream form starts from this node's level

    int Count() const { return static_cast<int>(nodes_.size()); }
    const TQORTreeNode &Node(int index) const { return nodes_.at(static_cast<size_t>(index)); }

    // Binary search; -1 when absent (always for an identifier below 1).
    int IndexOfNode(int32_t id) const;
    // A copy of the node, or kEmptyNode.
    TNodeArbre GetNode(int32_t id) const;

    // Raises ETreeQOR on the first fault: "IDNode must be >=1", "IDNode must
    // be <=100000", "Nodo circular no permitido", "A parent node cannot be a
    // tnAccesDirecte", "Este tipo de nodo no puede tener hijos".
    void CheckNode(const TNodeArbre &node) const;
    // Inserts a new node after CheckNode, or modifies the one present.
    void AddOrUpdateNode(const TNodeArbre &node);
    // Sets the fields and checks the node; on a fault it is put back and the
    // error propagates. Raises EListError for a position out of range.
    void ModifyNode(int index, int32_t parent, int32_t child, int32_t idComponent, int32_t nodeType,
                    const std::string &name);
    // Deletes the node, its whole subtree and every shortcut leading to any of them.
    void DeleteNode(int index);
    void ClearTree() { nodes_.clear(); }

    // The children of parent (every top-level node for parent below 1),
    // sorted by Child. Without directOnly a folder-like node is replaced by
    // the flattened listing of its own children.
    TArrayDeNodes ChildNodes(int32_t parent, bool directOnly) const;
    TArrayDeNodes ChildNodesOfType(int32_t parent, bool directOnly, int32_t nodeType) const;
    int CountChildNodes(int32_t parent, bool directOnly) const
    {
        return static_cast<int>(ChildNodes(parent, directOnly).size());
    }

    // One more than the highest identifier below 100000 (1 when empty).
    // Raises ETreeQOR "No more nodes available" past 99999.
    int32_t NewIDNode() const;

    // The stream form, the data of the property "Tree": the level of
    // FirstIdNode's parent, children nested below their node.
    bool StoresTree() const { return !nodes_.empty(); }
    void WriteTree(TWriter &writer) const;
    // Applies each node read as AddOrUpdateNode would. Raises EReadError for
    // a damaged stream and the check errors for a bad node; the nodes read
    // before stay. Linear in the nodes read (n log n with the sorting), however
    // deep the nesting.
    void ReadTree(TReader &reader);

    static bool IsFolderLike(int32_t nodeType);

private:
    // Walks the parent chain from node's parent upwards, calling visit for
    // each node met until visit returns false or the chain leaves the tree.
    // A chain longer than the tree is damaged: "Nodo circular no permitido".
    template <typename Visit> void WalkParents(const TNodeArbre &node, Visit &&visit) const;
    // Every level at once: the children of each parent sorted by Child, the
    // top-level nodes under the key 0. One pass over the nodes.
    std::unordered_map<int32_t, TArrayDeNodes> LevelsByParent() const;
    // By position: whether the node's parent chain never reaches a root (it
    // runs into a cycle). Linear in the number of nodes.
    std::vector<bool> ChainsThatLoop() const;

    std::vector<TQORTreeNode> nodes_;
};
