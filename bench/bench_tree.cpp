// Node tree at its limit of 100,000 nodes nested as one chain: reading the
// stream form, writing it and deleting the whole subtree.
#include "framework/tree.h"
#include "model/memory_stream.h"
#include "model/value_stream.h"

#include "support/bench_support.h"

#include <cstdio>
#include <vector>

namespace {

std::string ChainStream(bool descending)
{
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.PutListStart();
        for (int32_t i = 1; i <= kLastNodeId; ++i) {
            int32_t id = descending ? kLastNodeId + 1 - i : i;
            writer.PutIdent("IDNode");
            writer.PutInteger(id);
            for (const char *label : {"Child", "IDComponent", "NodeType"}) {
                writer.PutIdent(label);
                writer.PutInteger(1);
            }
            writer.PutIdent("Name");
            writer.PutString("node");
            if (i < kLastNodeId)
                writer.PutListStart();
        }
        for (int32_t i = 0; i < kLastNodeId; ++i)
            writer.PutListEnd();
    }
    return stream.Bytes();
}

void Measure(bool descending)
{
    std::string bytes = ChainStream(descending);
    TTreeQOR tree;
    BenchTimer timer;
    {
        TMemoryStream stream(bytes);
        TReader reader(stream);
        tree.ReadTree(reader);
    }
    double read = timer.Seconds();
    timer.Restart();
    TMemoryStream out;
    {
        TWriter writer(out);
        tree.WriteTree(writer);
    }
    double write = timer.Seconds();
    timer.Restart();
    tree.DeleteNode(tree.IndexOfNode(descending ? kLastNodeId : 1));
    double remove = timer.Seconds();
    std::printf("chain of %d nodes, %s identifiers: read %.3f s, write %.3f s, delete %.3f s (%d left)\n",
                kLastNodeId, descending ? "descending" : "ascending", read, write, remove, tree.Count());
}

} // namespace

int main()
{
    Measure(false);
    Measure(true);
    std::printf("peak memory %.1f MB\n", PeakResidentMegabytes());
    return 0;
}
