// The node tree at its full size and against a plain reference: reading,
// writing and deleting stay fast however deep the nesting, and the stream
// reader decides every node exactly as inserting the nodes one by one would.
#include "framework/tree.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

void PutNode(TWriter &writer, const TNodeArbre &node)
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

// A stream of nested lists: each identifier is the only child of the one before.
std::string ChainStream(const std::vector<int32_t> &ids)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.PutListStart();
        for (size_t i = 0; i < ids.size(); ++i) {
            PutNode(writer, TNodeArbre{ids[i], 0, 0, 0, 1, "n"});
            if (i + 1 < ids.size())
                writer.PutListStart();
        }
        for (size_t i = 0; i < std::max<size_t>(ids.size(), 1); ++i)
            writer.PutListEnd();
    }
    return stream.Bytes();
}

std::string Written(const TTreeQOR &tree)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        tree.WriteTree(writer);
    }
    return stream.Bytes();
}

template <typename Read> std::string Failure(Read &&read)
{
    try {
        read();
    } catch (const std::exception &error) {
        return error.what();
    }
    return "";
}

std::string ReadStream(TTreeQOR &tree, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    return Failure([&] { tree.ReadTree(reader); });
}

// The plain reading: every node through AddOrUpdateNode, which walks the
// whole parent chain each time.
std::string ReadStreamOneByOne(TTreeQOR &tree, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    return Failure([&] {
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
            tree.AddOrUpdateNode(node);
            if (reader.PeekTag() == vaList) {
                reader.GetListStart();
                parents.push_back(node.IDNode);
            }
        }
    });
}

std::vector<TQORTreeNode> Nodes(const TTreeQOR &tree)
{
    std::vector<TQORTreeNode> nodes;
    for (int i = 0; i < tree.Count(); ++i)
        nodes.push_back(tree.Node(i));
    return nodes;
}

bool SameNodes(const TTreeQOR &a, const TTreeQOR &b)
{
    auto x = Nodes(a), y = Nodes(b);
    if (x.size() != y.size())
        return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (!(static_cast<TNodeArbre &>(x[i]) == static_cast<TNodeArbre &>(y[i])) ||
            x[i].SavedIDNode != y[i].SavedIDNode || x[i].SavedChild != y[i].SavedChild ||
            x[i].SavedName != y[i].SavedName)
            return false;
    return true;
}

// A random stream over few identifiers, so that repeats, cycles, shortcuts
// and shortcut targets are met often; cut short or left open at random.
std::string RandomStream(std::mt19937 &random)
{
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    static const int32_t kTypes[] = {1, 14, tnAccesDirecte, 28};
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.PutListStart();
        int open = 1;
        int nodes = 1 + pick(14);
        for (int i = 0; i < nodes && open > 0; ++i) {
            TNodeArbre node{
                pick(9) == 0 ? pick(3) - 1 : 1 + pick(10), 0, pick(4), pick(12), kTypes[pick(4)], "x"};
            PutNode(writer, node);
            if (pick(3) == 0) {
                writer.PutListStart();
                ++open;
            }
            while (open > 0 && pick(4) == 0) {
                writer.PutListEnd();
                --open;
            }
        }
        if (pick(5) != 0)
            while (open-- > 0)
                writer.PutListEnd();
    }
    return stream.Bytes();
}

// The same random start for both trees: nodes added one by one, failures ignored.
void RandomStart(std::mt19937 &random, TTreeQOR &a, TTreeQOR &b)
{
    int count = static_cast<int>(random() % 8);
    for (int i = 0; i < count; ++i) {
        TNodeArbre node{1 + static_cast<int32_t>(random() % 10), static_cast<int32_t>(random() % 11) - 1,
                        static_cast<int32_t>(random() % 3),      static_cast<int32_t>(random() % 12),
                        random() % 4 == 0 ? tnAccesDirecte : 1,  "s"};
        std::string first = Failure([&] { a.AddOrUpdateNode(node); });
        std::string second = Failure([&] { b.AddOrUpdateNode(node); });
        ASSERT_EQ(first, second);
    }
}

} // namespace

TEST(TreeScale, HundredThousandDeepChainReadsWritesAndDeletes)
{
    std::vector<int32_t> ids;
    for (int32_t id = 1; id <= kLastNodeId; ++id)
        ids.push_back(id);
    std::string bytes = ChainStream(ids);

    TTreeQOR tree;
    ASSERT_EQ(ReadStream(tree, bytes), "");
    ASSERT_EQ(tree.Count(), kLastNodeId);
    EXPECT_EQ(tree.GetNode(1).Parent, -1);
    EXPECT_EQ(tree.GetNode(kLastNodeId).Parent, kLastNodeId - 1);
    EXPECT_EQ(Written(tree), bytes);

    tree.DeleteNode(tree.IndexOfNode(kLastNodeId / 2 + 1));
    EXPECT_EQ(tree.Count(), kLastNodeId / 2);
    EXPECT_EQ(tree.GetNode(kLastNodeId / 2 + 1).IDNode, -1);
    tree.DeleteNode(0);
    EXPECT_EQ(tree.Count(), 0);
}

TEST(TreeScale, DescendingIdentifiersAreSortedIntoPlace)
{
    std::vector<int32_t> ids;
    for (int32_t id = kLastNodeId; id >= 1; --id)
        ids.push_back(id);
    TTreeQOR tree;
    ASSERT_EQ(ReadStream(tree, ChainStream(ids)), "");
    ASSERT_EQ(tree.Count(), kLastNodeId);
    for (int i = 0; i < tree.Count(); ++i)
        ASSERT_EQ(tree.Node(i).IDNode, i + 1);
    EXPECT_EQ(tree.GetNode(1).Parent, 2);
    EXPECT_EQ(tree.IndexOfNode(kLastNodeId), kLastNodeId - 1);
    // The root is the highest identifier: deleting it takes everything.
    tree.DeleteNode(tree.IndexOfNode(kLastNodeId));
    EXPECT_EQ(tree.Count(), 0);
}

TEST(TreeScale, AFailingReadStillLeavesTheNodesSorted)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(TNodeArbre{50, -1, 0, 0, 1, "old"});
    std::vector<int32_t> ids{90, 10, 70, 30, 10}; // the last one is its own ancestor
    EXPECT_EQ(ReadStream(tree, ChainStream(ids)), "Error in TTreeQOR:\nNodo circular no permitido");
    std::vector<int32_t> sorted;
    for (int i = 0; i < tree.Count(); ++i)
        sorted.push_back(tree.Node(i).IDNode);
    EXPECT_EQ(sorted, (std::vector<int32_t>{10, 30, 50, 70, 90}));
    EXPECT_EQ(tree.IndexOfNode(70), 3);
}

TEST(TreeScale, StreamReaderDecidesLikeInsertingOneByOne)
{
    std::mt19937 random(16);
    for (int round = 0; round < 4000; ++round) {
        SCOPED_TRACE(round);
        TTreeQOR fast, plain;
        RandomStart(random, fast, plain);
        std::string bytes = RandomStream(random);
        ASSERT_EQ(ReadStream(fast, bytes), ReadStreamOneByOne(plain, bytes));
        ASSERT_TRUE(SameNodes(fast, plain));
        ASSERT_EQ(Written(fast), Written(plain));
    }
}
