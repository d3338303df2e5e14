#include "framework/tree.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include "framework_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TNodeArbre Node(int id, int parent, int child = 0, int type = 1, int component = 0)
{
    return TNodeArbre{id, parent, child, component, type, "N" + std::to_string(id)};
}

template <typename Fn> std::string TreeError(Fn &&fn)
{
    try {
        fn();
    } catch (const ETreeQOR &error) {
        return error.what();
    }
    return "<no ETreeQOR>";
}

std::vector<int> Ids(const TArrayDeNodes &nodes)
{
    std::vector<int> ids;
    for (const auto &node : nodes)
        ids.push_back(node.IDNode);
    return ids;
}

std::vector<int> Ids(const TTreeQOR &tree)
{
    std::vector<int> ids;
    for (int i = 0; i < tree.Count(); ++i)
        ids.push_back(tree.Node(i).IDNode);
    return ids;
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

std::string ReadInto(TTreeQOR &tree, const std::string &bytes)
{
    TMemoryStream stream(bytes);
    TReader reader(stream);
    try {
        tree.ReadTree(reader);
    } catch (const Exception &error) {
        return error.Message();
    }
    return "";
}

} // namespace

TEST(Tree, IdentifierBoundsAndNewIdentifiers)
{
    TTreeQOR tree;
    EXPECT_EQ(tree.NewIDNode(), 1);
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(0, 0)); }), "Error in TTreeQOR:\nIDNode must be >=1");
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(100001, 0)); }),
              "Error in TTreeQOR:\nIDNode must be <=100000");
    for (int id : {7, 1, 2})
        tree.AddOrUpdateNode(Node(id, 0));
    EXPECT_EQ(Ids(tree), (std::vector<int>{1, 2, 7}));
    EXPECT_EQ(tree.NewIDNode(), 8);
    EXPECT_EQ(tree.IndexOfNode(7), 2);
    EXPECT_EQ(tree.IndexOfNode(3), -1);
    EXPECT_EQ(tree.IndexOfNode(0), -1);
    EXPECT_EQ(tree.GetNode(3), kEmptyNode);
    EXPECT_EQ(tree.GetNode(2).Name, "N2");

    tree.AddOrUpdateNode(Node(100000, 0)); // ignored by NewIDNode
    EXPECT_EQ(tree.NewIDNode(), 8);
    tree.AddOrUpdateNode(Node(99999, 0));
    EXPECT_EQ(TreeError([&] { tree.NewIDNode(); }), "Error in TTreeQOR:\nNo more nodes available");
}

TEST(Tree, UpdatingAnExistingNodeKeepsWhatWasInserted)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(3, 0, 4));
    TNodeArbre changed = Node(3, 0, 9);
    changed.Name = "renamed";
    tree.AddOrUpdateNode(changed);
    ASSERT_EQ(tree.Count(), 1);
    EXPECT_EQ(static_cast<const TNodeArbre &>(tree.Node(0)), changed);
    EXPECT_EQ(tree.Node(0).SavedChild, 4);
    EXPECT_EQ(tree.Node(0).SavedName, "N3");
    EXPECT_TRUE(tree.Node(0).Real);
}

TEST(Tree, CyclesAreRefusedAndTheNodeStaysPut)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(1, 0));
    tree.AddOrUpdateNode(Node(2, 1));
    tree.AddOrUpdateNode(Node(3, 2));
    tree.AddOrUpdateNode(Node(4, 3));
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(2, 4)); }),
              "Error in TTreeQOR:\nNodo circular no permitido");
    EXPECT_EQ(tree.GetNode(2).Parent, 1);
    EXPECT_EQ(TreeError([&] { tree.ModifyNode(tree.IndexOfNode(2), 2, 0, 0, 1, "x"); }),
              "Error in TTreeQOR:\nNodo circular no permitido");
    EXPECT_EQ(tree.GetNode(2), Node(2, 1));
    // Through node 1 too: it is examined like any other.
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(1, 4)); }),
              "Error in TTreeQOR:\nNodo circular no permitido");
    // A parent that does not exist (yet) ends the walk; adding it later closes no loop.
    tree.AddOrUpdateNode(Node(10, 11));
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(11, 10)); }),
              "Error in TTreeQOR:\nNodo circular no permitido");
}

TEST(Tree, ShortcutRules)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(1, 0));
    tree.AddOrUpdateNode(Node(2, 1));
    tree.AddOrUpdateNode(Node(5, 2, 0, tnAccesDirecte, 9));
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(6, 5)); }),
              "Error in TTreeQOR:\nA parent node cannot be a tnAccesDirecte");
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(7, 2, 0, tnAccesDirecte, 1)); }),
              "Error in TTreeQOR:\nNodo circular no permitido");
    EXPECT_EQ(TreeError([&] { tree.AddOrUpdateNode(Node(2, 1, 0, tnAccesDirecte, 9)); }),
              "Error in TTreeQOR:\nEste tipo de nodo no puede tener hijos");
    EXPECT_EQ(tree.GetNode(2).NodeType, 1);
    EXPECT_EQ(Ids(tree), (std::vector<int>{1, 2, 5}));
}

TEST(Tree, DeletingTakesTheSubtreeAndEveryShortcutToIt)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(1, 0));
    tree.AddOrUpdateNode(Node(2, 1));
    tree.AddOrUpdateNode(Node(3, 2));
    tree.AddOrUpdateNode(Node(4, 3));
    tree.AddOrUpdateNode(Node(8, 0));
    tree.AddOrUpdateNode(Node(9, 8, 0, tnAccesDirecte, 3));  // leads into the subtree
    tree.AddOrUpdateNode(Node(10, 0, 0, tnAccesDirecte, 8)); // leads to the shortcut's parent: stays
    tree.DeleteNode(tree.IndexOfNode(2));
    EXPECT_EQ(Ids(tree), (std::vector<int>{1, 8, 10}));
    EXPECT_THROW(tree.DeleteNode(7), EListError);
}

TEST(Tree, DeepChainsNeedNoDeepRecursion)
{
    TTreeQOR tree;
    const int depth = 800;
    for (int id = 1; id <= depth; ++id)
        tree.AddOrUpdateNode(Node(id, id - 1));
    std::string bytes = Written(tree);
    TTreeQOR back;
    EXPECT_EQ(ReadInto(back, bytes), "");
    EXPECT_EQ(back.Count(), depth);
    EXPECT_EQ(back.GetNode(depth).Parent, depth - 1);
    tree.DeleteNode(0);
    EXPECT_EQ(tree.Count(), 0);
}

TEST(Tree, ChildListingsAreSortedAndFlattenFolders)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(1, 0, 5));
    tree.AddOrUpdateNode(Node(2, 0, 1, 14)); // folder
    tree.AddOrUpdateNode(Node(3, 2, 2));
    tree.AddOrUpdateNode(Node(4, 2, 1, 28)); // folder inside the folder
    tree.AddOrUpdateNode(Node(5, 4, 0, 7));
    tree.AddOrUpdateNode(Node(6, -3, 3));
    EXPECT_EQ(Ids(tree.ChildNodes(0, true)), (std::vector<int>{2, 6, 1}));
    EXPECT_EQ(Ids(tree.ChildNodes(-1, false)), (std::vector<int>{5, 3, 6, 1}));
    EXPECT_EQ(Ids(tree.ChildNodes(2, true)), (std::vector<int>{4, 3}));
    EXPECT_EQ(Ids(tree.ChildNodesOfType(0, false, 7)), std::vector<int>{5});
    EXPECT_EQ(tree.CountChildNodes(2, false), 2);
}

TEST(Tree, StreamFormOrdersSiblingsAndNestsChildren)
{
    TTreeQOR tree;
    tree.AddOrUpdateNode(Node(1, 0, 2));
    tree.AddOrUpdateNode(Node(2, 0, 0));
    tree.AddOrUpdateNode(Node(3, 0, 1));
    std::string flat = Written(tree);
    auto node = [](int id, int child) {
        return "\x07\x06IDNode" + std::string("\x02", 1) + static_cast<char>(id) +
               "\x07\x05"
               "Child" +
               "\x02" + static_cast<char>(child) + "\x07\x0BIDComponent" + std::string("\x02\x00", 2) +
               "\x07\x08NodeType" + "\x02\x01" + "\x07\x04Name" + "\x06\x02N" + std::to_string(id);
    };
    EXPECT_EQ(ToHex(flat), ToHex("\x01" + node(2, 0) + node(3, 1) + node(1, 2) + std::string(1, '\0')));

    TTreeQOR back;
    ASSERT_EQ(ReadInto(back, flat), "");
    ASSERT_EQ(back.Count(), 3);
    for (int id = 1; id <= 3; ++id) {
        TNodeArbre expected = tree.GetNode(id);
        expected.Parent = -1;
        EXPECT_EQ(back.GetNode(id), expected);
    }

    tree.AddOrUpdateNode(Node(4, 3, 0));
    EXPECT_EQ(ToHex(Written(tree)), ToHex("\x01" + node(2, 0) + node(3, 1) + "\x01" + node(4, 0) +
                                          std::string(1, '\0') + node(1, 2) + std::string(1, '\0')));
    // From the level of FirstIdNode's parent.
    tree.FirstIdNode = 4;
    EXPECT_EQ(ToHex(Written(tree)), ToHex("\x01" + node(4, 0) + std::string(1, '\0')));
}

TEST(Tree, DamagedStreamsFailWithoutHarm)
{
    TTreeQOR tree;
    for (int id = 1; id <= 6; ++id)
        tree.AddOrUpdateNode(Node(id, id / 2, id));
    tree.AddOrUpdateNode(Node(7, 0, 0, tnAccesDirecte, 3));
    std::string bytes = Written(tree);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TTreeQOR back;
        EXPECT_NE(ReadInto(back, bytes.substr(0, cut)), "") << cut;
    }
    for (size_t at = 0; at < bytes.size(); ++at)
        for (int value : {0x00, 0x01, 0x02, 0x07, 0x17, 0x7F, 0xFF}) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(value);
            TTreeQOR back;
            ReadInto(back, damaged);
            for (int i = 0; i < back.Count(); ++i)
                EXPECT_NO_THROW(back.CheckNode(back.Node(i)));
            Written(back);
        }
}
