// The node-tree stream: whatever loads is a tree that writes and reads back
// to the same bytes.
#include "fuzz_harness.h"

#include "framework/tree.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

namespace {

std::string Written(const TTreeQOR &tree)
{
    return ValueBytes([&](TWriter &writer) { tree.WriteTree(writer); });
}

} // namespace

std::vector<std::string> FuzzSeeds()
{
    TTreeQOR tree;
    tree.AddOrUpdateNode({1, -1, 2, 0, 14, "Carpeta"});
    tree.AddOrUpdateNode({2, -1, 0, 0, 1, "Inicio"});
    tree.AddOrUpdateNode({3, 1, 1, 5, 1, "Combinación"});
    tree.AddOrUpdateNode({4, 1, 0, 2, tnAccesDirecte, "Atajo"});
    tree.AddOrUpdateNode({5, 3, 0, 9, 28, std::string(300, 'x')});
    std::string whole = Written(tree);
    tree.FirstIdNode = 3;
    return {whole, Written(tree)};
}

void FuzzOne(std::string_view data)
{
    TTreeQOR tree;
    TMemoryStream stream(data);
    try {
        TReader reader(stream);
        tree.ReadTree(reader);
    } catch (const Exception &) {
        // The nodes read before the fault stay.
    }
    for (int i = 1; i < tree.Count(); ++i)
        FuzzCheck(tree.Node(i - 1).IDNode < tree.Node(i).IDNode, "the nodes are not sorted by identifier");
    Written(tree); // from the level of node 1, as the program writes it

    // From the top level, the whole tree is written.
    tree.FirstIdNode = 0;

    std::string bytes = Written(tree);
    TTreeQOR back;
    back.FirstIdNode = 0;
    TMemoryStream again(bytes);
    {
        TReader reader(again);
        back.ReadTree(reader);
    }
    FuzzCheck(back.Count() == tree.Count(), "written and read again, nodes were lost");
    FuzzCheck(Written(back) == bytes, "written and read again, the tree changed");
    tree.ChildNodes(-1, false);
    if (tree.Count() > 0)
        tree.DeleteNode(0);
}
